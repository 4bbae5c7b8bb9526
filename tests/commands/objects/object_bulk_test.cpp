// The object bulk commands and the clipboard: paste ids and placement, cut and the
// deletions dropping the selection, scaling's rounding and refusals, exact replacements,
// and what the dialogs tell and mark.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include "commands/document_commands.h"
#include "commands/objects/bulk_dialogs.h"
#include "commands/objects/object_clipboard.h"
#include "platform/command_ids.h"
#include "res/messages.h"
#include "world/document_fixture.h"
#include "world/game_object.h"
#include "world/plane.h"

namespace vyr {
namespace {

struct ObjectBulk : ::testing::Test {
  void SetUp() override {
    test::WriteArchive(folder / "data.rez", test::StandardArchive());
    path = folder / "w.vwd";
    test::WriteWorld(path, test::StandardProperties(folder / "data.rez"),
                     {{"Ground", kPlaneFlagObjects}, {"Sky"}});
    RegisterDocumentCommands(rig.doc);
    ASSERT_TRUE(rig.doc.OnOpenDocument(path)) << rig.doc.FailureReason();
    rig.view.m_editMode = kObjectMode;
    rig.doc.LoadObjectImageSets();
    ObjectClipboard::Clear();
    ObjectIdCounter::ResetForTests(1);
    rig.user.ClearLog();
  }
  void TearDown() override { ObjectClipboard::Clear(); }
  void Run(CommandId id) { (*rig.doc.Commands().FindHandler(id))(id); }
  bool Enabled(CommandId id) {
    CommandState state;
    (*rig.doc.Commands().FindUpdate(id))(id, state);
    return state.enabled;
  }
  CPlane& Plane() { return *rig.doc.CurrentPlane(); }
  CGameObject* Add(int32_t id, int32_t z, const std::string& logic = "Coin", const std::string& set = "") {
    CGameObject* object = Plane().NewObject(0);
    object->m_id = id;
    object->SetZ(z);
    object->m_logic = logic;
    object->m_imageSet = set;
    Plane().PlaceByZ(object);
    return object;
  }
  std::vector<int32_t> Ids() {
    std::vector<int32_t> ids;
    for (const auto& object : Plane().Objects()) ids.push_back(object->m_id);
    return ids;
  }
  // Each change is one undo step.
  size_t Steps() const { return rig.doc.UndoStack()->UndoCount(); }

  test::TempFolder folder;
  std::string path;
  test::DocumentRig rig;
};

TEST_F(ObjectBulk, PasteMakesFreshIdsAtTheMouseOrTheViewCentreInZOrderAndKeepsTheClipboard) {
  rig.view.m_scrollX = 5;
  rig.view.m_scrollY = 7;
  Add(2, 0);
  Add(4, 9);
  CGameObject* source = Add(-1, 3);  // an id of −1 is still an object to copy
  source->m_imageSet = "COIN";
  source->UpdateBounds(rig.doc.ImageSets());
  rig.doc.SetSelectedObject(source);
  EXPECT_FALSE(Enabled(cmd::kEditPaste));
  Run(cmd::kEditCut);
  EXPECT_EQ(rig.doc.SelectedObject(), nullptr);
  ASSERT_TRUE(Enabled(cmd::kEditPaste));

  struct Case {
    std::optional<std::pair<int32_t, int32_t>> mouse;  // the plane pixel under it
    int32_t x, y, id;
  } cases[] = {
      {std::pair{15, 27}, 15, 27, 1},
      {std::nullopt, 5 + 160, 7 + 120, 3},  // 2 is taken
      {std::pair{5, 7}, 5, 7, 5},           // 4 is taken
  };
  for (const Case& c : cases) {
    rig.view.m_mouseInView = c.mouse.has_value();
    if (c.mouse) std::tie(rig.view.m_mouseX, rig.view.m_mouseY) = *c.mouse;
    const size_t before = Steps();
    Run(cmd::kEditPaste);
    const CGameObject* pasted = nullptr;
    for (const auto& object : Plane().Objects())
      if (object->m_id == c.id) pasted = object.get();
    ASSERT_NE(pasted, nullptr) << c.id;
    EXPECT_EQ(pasted->m_x, c.x);
    EXPECT_EQ(pasted->m_y, c.y);
    EXPECT_EQ(pasted->m_z, 3);
    EXPECT_NE(pasted->m_image, nullptr) << "paste looks the image up again";
    CGameObject fresh(*pasted);
    fresh.ForgetImage();
    fresh.SetBounds(CRect{});
    fresh.UpdateBounds(rig.doc.ImageSets());
    EXPECT_EQ(pasted->m_bounds, fresh.m_bounds) << "bounds follow the new position";
    EXPECT_EQ(Steps(), before + 1);
  }
  EXPECT_EQ(ObjectClipboard::Content().m_image, nullptr);
  EXPECT_EQ(ObjectClipboard::Content().m_id, -1);
  EXPECT_EQ(Ids(), (std::vector<int32_t>{2, 1, 3, 5, 4}));
  EXPECT_EQ(rig.doc.SelectedObject(), nullptr);
}

TEST_F(ObjectBulk, CutAndDeletionsDropTheSelectionAndMarkModified) {
  struct Case {
    const char* name;
    CommandId command;
    bool answer;
    std::vector<int32_t> left;
  } cases[] = {
      {"cut", cmd::kEditCut, false, {1, 3}},
      {"delete all", cmd::kDeleteAllObjects, true, {}},
      {"delete invalid", cmd::kDeleteInvalidObjects, true, {1, 3}},
      {"delete all refused", cmd::kDeleteAllObjects, false, {1, 2, 3}},
  };
  for (const Case& c : cases) {
    Plane().RemoveAllObjects();
    Add(1, 0);
    CGameObject* selected = Add(2, 0, "");
    Add(3, 0);
    rig.doc.SetSelectedObject(selected);
    if (c.command != cmd::kEditCut) rig.user.QueueAnswer(c.answer ? Answer::Yes : Answer::No);
    const size_t before = Steps();
    Run(c.command);
    EXPECT_EQ(Ids(), c.left) << c.name;
    const bool changed = c.left.size() < 3;
    EXPECT_EQ(rig.doc.SelectedObject(), changed ? nullptr : selected) << c.name;
    EXPECT_EQ(Steps(), before + (changed ? 1 : 0)) << c.name;
  }
}

TEST_F(ObjectBulk, ObjectCommandsNeedTheObjectsPlaneAndObjectMode) {
  CGameObject* selected = Add(1, 0);
  rig.doc.SetSelectedObject(selected);
  Run(cmd::kEditCopy);
  ASSERT_TRUE(ObjectClipboard::HasContent());
  rig.view.m_editMode = kTileMode;
  EXPECT_FALSE(Enabled(cmd::kEditCut));
  EXPECT_FALSE(Enabled(cmd::kEditPaste));
  rig.view.m_editMode = kObjectMode;
  Plane().m_flags = 0;
  EXPECT_FALSE(Enabled(cmd::kEditCopy));
  EXPECT_FALSE(Enabled(cmd::kEditPaste));
  Run(cmd::kDeleteAllObjects);
  EXPECT_EQ(Plane().ObjectCount(), 1u);
  EXPECT_TRUE(rig.user.Log().empty()) << "no question without the objects flag";
}

TEST_F(ObjectBulk, ScaleTruncatesTowardZeroAndStaysOpenWhenItCannot) {
  struct Case {
    const char* percent;
    int32_t x, y;
    bool closes;
    int32_t newX, newY;
  } cases[] = {
      {"50", 101, -7, true, 50, -3},
      {"13", 900, -900, true, 117, -117},
      {"100", 101, -7, false, 101, -7},
      {"0", 101, -7, false, 101, -7},
      {"-50", 101, -7, false, 101, -7},
      {"300", 1000000000, 1, false, 1000000000, 1},  // past int32: refused, nothing moved
      {"200", -1073741824, 1, true, INT32_MIN, 2},
  };
  for (const Case& c : cases) {
    Plane().RemoveAllObjects();
    CGameObject* object = Add(1, 0);
    object->MoveTo(c.x, c.y);
    CScaleObjectsDialog dialog(rig.doc);
    dialog.m_percent = c.percent;
    EXPECT_EQ(dialog.OnOK(rig.user), c.closes) << c.percent;
    EXPECT_EQ(object->m_x, c.newX) << c.percent;
    EXPECT_EQ(object->m_y, c.newY) << c.percent;
  }
  Plane().RemoveAllObjects();
  CScaleObjectsDialog empty(rig.doc);
  empty.m_percent = "50";
  EXPECT_FALSE(empty.OnOK(rig.user)) << "no objects keeps the dialog open";
}

TEST_F(ObjectBulk, ReplacementsMatchBytesExactly) {
  using Make = std::function<std::unique_ptr<CNamePairDialog>(CWorldDoc&)>;
  struct Case {
    const char* name;
    Make make;
    std::vector<std::pair<std::string, std::string>> after;  // logic, image set
  } cases[] = {
      {"logic", [](CWorldDoc& d) { return std::make_unique<CChangeLogicDialog>(d); },
       {{"coin", "COIN"}, {"Gem", "GEM"}, {"Gem", "coin"}}},
      {"image set", [](CWorldDoc& d) { return std::make_unique<CChangeImageSetDialog>(d); },
       {{"coin", "Gem"}, {"Coin", "GEM"}, {"Coin", "coin"}}},
      {"logic by set", [](CWorldDoc& d) { return std::make_unique<CLogicByImageSetDialog>(d); },
       {{"Gem", "COIN"}, {"Coin", "GEM"}, {"Coin", "coin"}}},
  };
  for (const Case& c : cases) {
    Plane().RemoveAllObjects();
    Add(1, 0, "coin", "COIN");
    Add(2, 0, "Coin", "GEM");
    Add(3, 0, "Coin", "coin");
    std::unique_ptr<CNamePairDialog> dialog = c.make(rig.doc);
    const bool bySet = std::string(c.name) != "logic";
    dialog->m_from = bySet ? "COIN" : "Coin";
    dialog->m_to = "Gem";
    ASSERT_TRUE(dialog->OnOK(rig.user)) << c.name;
    std::vector<std::pair<std::string, std::string>> after;
    for (const auto& object : Plane().Objects()) after.push_back({object->m_logic, object->m_imageSet});
    EXPECT_EQ(after, c.after) << c.name;
  }
  Plane().RemoveAllObjects();
  CChangeLogicDialog none(rig.doc);
  EXPECT_FALSE(none.OnOK(rig.user)) << "a plane without objects keeps the dialog open";
}

TEST_F(ObjectBulk, BulkDialogsMarkOnlyRealChangesAndSayHowManyObjectsChanged) {
  const auto names = [](const char* from, const char* to) {
    return [=](CDialogModel& model) {
      auto& d = dynamic_cast<CNamePairDialog&>(model);
      std::tie(d.m_from, d.m_to) = std::tuple(from, to);
    };
  };
  const struct {
    CommandId command;
    std::function<void(CDialogModel&)> edit;
    const char* status;
  } rows[] = {
      {cmd::kChangeLogic, names("Coin", "Gem"), "Zmieniono 5 objektów"},
      {cmd::kChangeLogic, names("Bee", "Gem"), "Nie zmieniono żadnego objektu"},
      {cmd::kChangeImageSets, names("COIN", "BIG"), "Zmieniono 1 objekt"},
      {cmd::kChangeZ, [](CDialogModel& m) { dynamic_cast<CChangeZDialog&>(m).m_logic = "Coin"; },
       "Nie zmieniono żadnego objektu"},
      {cmd::kScaleObjects, [](CDialogModel& m) { dynamic_cast<CScaleObjectsDialog&>(m).m_percent = "50"; },
       "Zmieniono 3 objekty"},
  };
  for (const auto& row : rows) {
    Plane().RemoveAllObjects();
    for (int32_t id = 1; id <= 5; ++id) Add(id, 0, "Coin", id == 1 ? "COIN" : "GEM")->MoveTo(id > 2 ? 10 : 0, 0);
    rig.doc.SetModifiedFlag(false);
    rig.doc.UndoStack()->Clear();
    rig.user.QueueDialogOk([&row](CDialogModel& model, int) { row.edit(model); });
    Run(row.command);
    const bool changed = std::string_view(row.status).starts_with("Zmieniono");
    EXPECT_TRUE(rig.Logged(std::string("status: ") + row.status)) << row.status;
    EXPECT_EQ(rig.doc.IsModified(), changed) << row.status;
    EXPECT_EQ(Steps(), changed ? 1u : 0u) << row.status;
  }
}

TEST_F(ObjectBulk, ZByLogicSetsExactMatchesAndKeepsAscendingZ) {
  Add(1, 0, "Coin");
  Add(2, 4, "coin");
  Add(3, 8, "Gem");
  Add(4, 9, "Coin");
  CChangeZDialog dialog(rig.doc);
  dialog.m_logic = "Coin";
  dialog.m_z = "5";
  ASSERT_TRUE(dialog.OnOK(rig.user));
  std::vector<int32_t> zs;
  for (const auto& object : Plane().Objects()) zs.push_back(object->m_z);
  EXPECT_EQ(Ids(), (std::vector<int32_t>{2, 1, 4, 3}));
  EXPECT_EQ(zs, (std::vector<int32_t>{4, 5, 5, 8}));
}

TEST_F(ObjectBulk, AnEmptyPercentageSaysWhyTheScaleDialogStaysOpen) {
  Add(1, 0);
  CScaleObjectsDialog dialog(rig.doc);
  dialog.m_percent = " ";
  rig.user.ClearLog();
  EXPECT_FALSE(dialog.OnOK(rig.user));
  EXPECT_EQ(rig.user.Log(), std::vector<std::string>{"message: " + std::string(res::text::kScaleNoPercent)});
  EXPECT_EQ(dialog.FocusControl(), ctl::kScalePercent);
}

}  // namespace
}  // namespace vyr
