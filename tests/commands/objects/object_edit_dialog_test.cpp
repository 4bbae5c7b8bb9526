// The object edit dialog: the object it created through walking, OK and Cancel; the auto
// rules; caption and deletion; range buttons; sub-dialogs keeping what they do not show.
#include <gtest/gtest.h>

#include "commands/document_commands.h"
#include "commands/objects/object_edit_dialog.h"
#include "commands/world_edit.h"
#include "platform/command_ids.h"
#include "platform/scripted_interaction.h"
#include "res/step_names.h"
#include "world/document_fixture.h"
#include "world/game_object.h"
#include "world/known_name_lists.h"

namespace vyr {
namespace {

using test::DocumentRig;
using Edit = std::function<void(CObjectEditDialog&)>;

void SetNumber(CObjectEditDialog& dialog, int control, int32_t value) {
  for (size_t i = 0; i < dialog.m_numbers.size(); ++i)
    if (CObjectEditDialog::NumberFields()[i].control == control) dialog.m_numbers[i] = std::to_string(value);
}

struct ObjectEditFixture : ::testing::Test {
  void SetUp() override {
    test::WriteArchive(folder / "data.rez", test::StandardArchive());
    test::WriteWorld(folder / "w.vwd", test::StandardProperties(folder / "data.rez"),
                     {{"Ground", kPlaneFlagObjects, {"TILES"}, 10, 10, 16, 0}});
    RegisterDocumentCommands(rig.doc);
    ASSERT_TRUE(rig.doc.OnOpenDocument(folder / "w.vwd"));
    KnownNameLists::ClearAllForTests();
  }
  CPlane& Plane() { return *rig.doc.CurrentPlane(); }
  // An existing object with a logic and the given z.
  CGameObject* Add(const std::string& logic, int32_t z) {
    CGameObject* object = Plane().NewObject(0);
    object->m_logic = logic;
    object->SetZ(z);
    Plane().SortObjects();
    return object;
  }
  // The user presses the buttons in turn inside the dialog, then OK or Cancel.
  void Queue(std::vector<int> buttons, bool ok, Edit edit = {}) {
    rig.user.QueueDialog([this, buttons, ok, edit](CDialogModel& model) {
      auto& dialog = dynamic_cast<CObjectEditDialog&>(model);
      dialog.OnInitDialog();
      if (edit) edit(dialog);
      for (int button : buttons) dialog.OnControlEvent(button, ControlEvent::Clicked, rig.user);
      captions.push_back(dialog.Caption());
      if (dialog.EndResult()) return *dialog.EndResult();
      if (ok && dialog.OnOK(rig.user)) return DialogResult::Ok;
      dialog.OnCancel();
      return DialogResult::Cancel;
    });
  }
  std::vector<std::string> Logics() {
    std::vector<std::string> logics;
    for (const auto& object : Plane().Objects()) logics.push_back(object->m_logic);
    return logics;
  }

  test::TempFolder folder;
  DocumentRig rig;
  std::vector<std::string> captions;
};

TEST_F(ObjectEditFixture, OnlyTheCreatedObjectIsRemovedOnCancelOrOnOkWithEmptyNames) {
  const struct {
    const char* what;
    std::vector<int> buttons;
    bool ok;
    Edit edit;
    std::vector<std::string> left;  // logics in list order
  } rows[] = {
      {"OK untouched", {}, true, {}, {"A", "B"}},
      {"OK with a name", {}, true, [](CObjectEditDialog& d) { d.m_name = "n"; }, {"", "A", "B"}},
      {"OK with a name and z", {}, true, [](CObjectEditDialog& d) { d.m_name = "n"; SetNumber(d, ctl::kObjectZ, 5); },
       {"A", "B", ""}},
      {"Cancel after typing", {}, false, [](CObjectEditDialog& d) { d.m_logic = "L"; }, {"A", "B"}},
      {"Nast, Cancel", {ctl::kObjectNext}, false, {}, {"A", "B"}},
      {"Nast, OK", {ctl::kObjectNext}, true, {}, {"A", "B"}},
      {"logic, Nast, OK", {ctl::kObjectNext}, true, [](CObjectEditDialog& d) { d.m_logic = "C"; }, {"C", "A", "B"}},
  };
  for (const auto& row : rows) {
    Plane().RemoveAllObjects();
    Add("A", 1);
    Add("B", 2);
    CGameObject* created = Plane().NewObject(0);  // z 0: first in the list
    rig.doc.SetSelectedObject(created);
    Queue(row.buttons, row.ok, row.edit);
    RunEdit(rig.doc, ChangeScope::Objects(&Plane()), res::step::kNewObject,
            [&] { RunObjectEditDialog(rig.doc, created, created); });
    EXPECT_EQ(Logics(), row.left) << row.what;
    // The selection never points at a destroyed object.
    CGameObject* selected = rig.doc.SelectedObject();
    bool alive = selected == nullptr;
    for (const auto& object : Plane().Objects()) alive = alive || object.get() == selected;
    EXPECT_TRUE(alive) << row.what;
    EXPECT_TRUE(rig.doc.IsModified()) << row.what;
    rig.doc.SetModifiedFlag(false);
  }
}

TEST_F(ObjectEditFixture, WalkingStoresSelectsNeverWrapsAndBeepsAtTheEnds) {
  CGameObject* a = Add("A", 1);
  CGameObject* b = Add("B", 2);
  CGameObject* shownAfterNext = nullptr;
  Queue({ctl::kObjectNext}, true, [&](CObjectEditDialog& d) { d.m_name = "first"; });
  rig.user.QueueDialog([&](CDialogModel& model) {
    auto& d = dynamic_cast<CObjectEditDialog&>(model);
    d.OnInitDialog();
    d.OnControlEvent(ctl::kObjectNext, ControlEvent::Clicked, rig.user);
    shownAfterNext = rig.doc.SelectedObject();
    d.m_name = "last";
    d.OnControlEvent(ctl::kObjectNext, ControlEvent::Clicked, rig.user);  // at the end
    d.OnControlEvent(ctl::kObjectPrev, ControlEvent::Clicked, rig.user);
    d.OnControlEvent(ctl::kObjectPrev, ControlEvent::Clicked, rig.user);  // at the start
    d.OnCancel();
    return DialogResult::Cancel;
  });
  RunObjectEditDialog(rig.doc, a);
  EXPECT_EQ(a->m_name, "first");
  rig.user.ClearLog();
  RunObjectEditDialog(rig.doc, a);
  EXPECT_EQ(shownAfterNext, b);
  EXPECT_EQ(b->m_name, "last");  // stored although there was nowhere to go
  EXPECT_EQ(rig.doc.SelectedObject(), a);
  EXPECT_EQ(std::count(rig.user.Log().begin(), rig.user.Log().end(), "beep"), 2);
}

TEST_F(ObjectEditFixture, CaptionCountsObjectsAndDeletingTheLastOneCloses) {
  for (int i = 0; i < 12; ++i) Add("L", i);
  rig.user.QueueAnswer(Answer::Yes);
  Queue({ctl::kObjectDelete}, false);
  RunObjectEditDialog(rig.doc, Plane().FirstObject());
  Plane().RemoveAllObjects();
  CGameObject* only = Add("L", 0);
  rig.user.QueueAnswer(Answer::Yes);
  Queue({ctl::kObjectDelete}, false);
  rig.doc.SetModifiedFlag(false);
  RunEdit(rig.doc, ChangeScope::Objects(&Plane()), res::step::kEditObject, [&] { RunObjectEditDialog(rig.doc, only); });
  EXPECT_EQ(captions, (std::vector<std::string>{"Edit Objects (11 Total)", "Edit Object"}));
  EXPECT_EQ(Plane().ObjectCount(), 0u);
  EXPECT_EQ(rig.doc.SelectedObject(), nullptr);
  EXPECT_TRUE(rig.doc.IsModified());
  EXPECT_TRUE(rig.user.Unexpected().empty());
}

TEST_F(ObjectEditFixture, AutoRulesFillFromTheFirstPairingOfTheLogic) {
  const struct {
    const char* logic;
    const char* imageSet;
    int32_t z;
    const char* expectSet;
    int32_t expectZ;
  } rows[] = {
      {"GUN", "SETA", 7, "SETA", 7},
      {"GUN", "SETB", 9, "SETB", 9},  // typed values stay, the first pairing is remembered
      {"GUN", "", 0, "SETA", 7},
      {"", "", 0, "", 0},
      {"NEW", "", 0, "", 0},
  };
  CGameObject* object = Add("", 0);
  for (const auto& row : rows) {
    Queue({}, true, [&](CObjectEditDialog& d) {
      d.m_logic = row.logic;
      d.m_imageSet = row.imageSet;
      SetNumber(d, ctl::kObjectZ, row.z);
    });
    RunObjectEditDialog(rig.doc, object);
    EXPECT_EQ(object->m_imageSet, row.expectSet) << row.logic << row.imageSet;
    EXPECT_EQ(object->m_z, row.expectZ) << row.logic << row.imageSet;
  }
  EXPECT_EQ(KnownNameLists::ImageSets().Names(), (std::vector<std::string>{"SETA", "SETB"}));
  rig.doc.SetAutoZ(false);
  rig.doc.SetAutoImageSet(false);
  Queue({}, true, [](CObjectEditDialog& d) { d.m_logic = "GUN"; d.m_imageSet.clear(); });
  RunObjectEditDialog(rig.doc, object);
  EXPECT_EQ(object->m_imageSet, "");
}

TEST_F(ObjectEditFixture, RangeButtonsFillOnlyAFullRangeWhileRectangleButtonsCopyUnset) {
  CGameObject object;
  SelectionRange range{100, 200, -1, -1};
  CObjectEditDialog dialog(rig.doc, Plane(), Add("A", 0), nullptr, range);
  dialog.OnInitDialog();
  dialog.OnControlEvent(ctl::kObjectRangeX, ControlEvent::Clicked, rig.user);
  dialog.OnControlEvent(ctl::kObjectRangeY, ControlEvent::Clicked, rig.user);
  std::vector<std::string> minMax;
  for (size_t i = 0; i < dialog.m_numbers.size(); ++i) {
    const int control = CObjectEditDialog::NumberFields()[i].control;
    if (control >= ctl::kObjectMinX && control <= ctl::kObjectMaxY) minMax.push_back(dialog.m_numbers[i]);
  }
  EXPECT_EQ(minMax, (std::vector<std::string>{"100", "200", "0", "0"}));  // X Min, X Max, Y Min, Y Max

  CObjectRectsDialog rects(object, range);
  rects.OnInitDialog();
  rects.OnControlEvent(ctl::kObjectRectButtons[2][0], ControlEvent::Clicked, rig.user);
  rects.OnControlEvent(ctl::kObjectRectButtons[2][1], ControlEvent::Clicked, rig.user);
  ASSERT_TRUE(rects.OnOK(rig.user));
  EXPECT_EQ(object.m_attackRect, (CRect{100, -1, 200, -1}));
  EXPECT_EQ(object.m_moveRect, CRect{});
}

TEST_F(ObjectEditFixture, SharedFieldsAreReloadedAfterPunktyAndInne) {
  CGameObject* object = Add("A", 0);
  Queue({ctl::kObjectPointsButton, ctl::kObjectOther}, true);
  rig.user.QueueDialogOk([](CDialogModel& model, int) {
    auto& points = dynamic_cast<CObjectNumbersDialog&>(model);
    points.m_texts[0] = "-5";  // xMin
  });
  rig.user.QueueDialogOk([](CDialogModel& model, int) {
    auto& other = dynamic_cast<CObjectNumbersDialog&>(model);
    other.m_texts[1] = "3";   // Szybkość
    other.m_texts[5] = "44";  // Kier: shown only
  });
  RunObjectEditDialog(rig.doc, object);
  EXPECT_EQ(object->m_minX, -5);
  EXPECT_EQ(object->m_speed, 3);
  EXPECT_EQ(object->m_faceDirection, 0);
}

TEST(ObjectWordDialogsTest, FlagAndHitWordsKeepBitsWithoutABox) {
  ScriptedInteraction user;
  CGameObject object;
  object.m_addedFlags = 64 | kAddedFast;
  object.m_userFlags = 0x1000 | 1;
  CObjectFlagsDialog flags(object);
  flags.OnInitDialog();
  EXPECT_TRUE(flags.m_checked[1][5]);
  flags.m_checked[1][5] = false;  // "Szybki" off
  flags.m_checked[2][1] = true;   // "Lustrzany" on
  ASSERT_TRUE(flags.OnOK(user));
  EXPECT_EQ(object.m_addedFlags, 64);
  EXPECT_EQ(object.m_drawFlags, kDrawMirror);
  EXPECT_EQ(object.m_userFlags, 0x1000 | 1);

  const struct {
    int32_t type, mask;
    std::vector<bool> expectMask;  // "User 1" … "User 4" boxes
    int32_t afterType, afterMask;
  } rows[] = {
      {kHitUser1, kHitUser1 | 0x8000, {true, false, false, false}, kHitUser1, kHitUser1 | 0x8000},
      {99, kHitUser1 | kHitUser2, {true, true, true, false}, 99, kHitUser1 | kHitUser2},
      {kHitEnemy, kHitMaskAll, {false, false, false, false}, 0, kHitMaskAll},
  };
  for (const auto& row : rows) {
    object.m_hitType = row.type;
    object.m_hitMask = row.mask;
    CObjectHitsDialog hits(object);
    hits.OnInitDialog();
    EXPECT_EQ(std::vector<bool>(hits.m_mask.begin() + 8, hits.m_mask.end()), row.expectMask) << row.type;
    if (row.type == kHitEnemy) hits.m_type.assign(hits.m_type.size(), false);
    ASSERT_TRUE(hits.OnOK(user));
    EXPECT_EQ(object.m_hitType, row.afterType) << row.type;
    EXPECT_EQ(object.m_hitMask, row.afterMask) << row.type;
  }
}

}  // namespace
}  // namespace vyr
