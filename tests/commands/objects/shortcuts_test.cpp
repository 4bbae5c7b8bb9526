// The logic and Z shortcuts: their tables in the world's profile section, the menu texts,
// Ctrl+n, Alt+n, the auto rules and the two default dialogs.
#include <gtest/gtest.h>

#include <algorithm>

#include "commands/document_commands.h"
#include "commands/objects/default_shortcut_dialogs.h"
#include "commands/objects/shortcut_commands.h"
#include "platform/command_ids.h"
#include "platform/profile.h"
#include "world/document_fixture.h"
#include "world/game_object.h"
#include "world/known_name_lists.h"
#include "world/plane.h"
#include "world/shortcut_tables.h"

namespace vyr {
namespace {

// The profile as written to disk and read back, so the section must survive the file format.
Profile Reread(const Profile& profile) {
  const std::string text = profile.Serialize();
  Profile again;
  again.Parse({reinterpret_cast<const uint8_t*>(text.data()), text.size()});
  return again;
}

TEST(ShortcutTables, RoundTripUnderOneSectionForEverySpellingAndDropEmptiedDefaults) {
  test::TempFolder folder;
  const std::string awkward = folder / "a[b]=c;d%\t";
  const std::string section = WorldProfileSection(awkward);
  for (char c : {'[', ']', '=', ';', '\t'}) EXPECT_EQ(section.find(c), std::string::npos) << c;
  EXPECT_EQ(WorldProfileSection(folder / "x/../a[b]=c;d%\t"), section);
  EXPECT_NE(WorldProfileSection(folder / "a[b]=c;d%"), section);

  Profile profile;
  CLogicTable logic;
  CZTable z;
  EXPECT_EQ(logic.SetSection(&profile, ""), 0);
  EXPECT_EQ(logic.Store(), 0);  // never given a path: nothing written
  EXPECT_TRUE(profile.SectionNames().empty());
  ASSERT_EQ(logic.SetSection(&profile, awkward), 1);
  ASSERT_EQ(z.SetSection(&profile, awkward), 1);
  logic.RememberImageSet("GUARD", "SOLDIER");
  logic.RememberImageSet("DOOR", "DOORS");
  logic.RememberImageSet(" SPACED", "'Q'");  // bytes the file would trim
  logic.SetDefaultLogic(3, "GUARD");
  logic.SetDefaultLogic(9, "DOOR");
  z.RememberZ("GUARD", 4, false);
  z.SetDefaultZ(3, -5);
  z.SetDefaultZ(4, 7);
  EXPECT_EQ(logic.Store(), 1);
  EXPECT_EQ(z.Store(), 1);

  // Emptied defaults delete their keys, so the old values do not come back.
  logic.SetDefaultLogic(9, "");
  z.SetDefaultZ(4, 0);
  logic.Store();
  z.Store();

  Profile reread = Reread(profile);
  CLogicTable logicBack;
  CZTable zBack;
  logicBack.SetSection(&reread, (folder / "./a[b]=c;d%\t"));
  zBack.SetSection(&reread, awkward);
  ASSERT_EQ(logicBack.Load(), 1);
  ASSERT_EQ(zBack.Load(), 1);
  EXPECT_EQ(logicBack.FindImageSet("GUARD"), "SOLDIER");
  EXPECT_EQ(logicBack.FindImageSet("DOOR"), "DOORS");
  EXPECT_EQ(logicBack.FindImageSet(" SPACED"), "'Q'");
  EXPECT_EQ(logicBack.DefaultLogic(3), "GUARD");
  EXPECT_EQ(logicBack.DefaultLogic(9), "");
  EXPECT_EQ(zBack.FindZ("GUARD"), 4);
  EXPECT_EQ(zBack.DefaultZ(3), -5);
  EXPECT_EQ(zBack.DefaultZ(4), 0);
  EXPECT_FALSE(reread.HasKey(section, "Default Logic 9"));
  EXPECT_FALSE(reread.HasKey(section, "Default Z Value 4"));
}

TEST(ShortcutTables, TheFirstPairingStaysUnlessReplaced) {
  CLogicTable logic;
  CZTable z;
  EXPECT_EQ(logic.RememberImageSet("", "SET"), 0);
  EXPECT_EQ(logic.RememberImageSet("A", "FIRST"), 1);
  EXPECT_EQ(logic.RememberImageSet("A", "SECOND"), 0);
  EXPECT_EQ(logic.FindImageSet("A"), "FIRST");
  EXPECT_EQ(logic.FindImageSet("a"), std::nullopt);  // exact bytes
  EXPECT_EQ(z.RememberZ("", 3, true), 0);
  EXPECT_EQ(z.FindZ(""), std::nullopt);
  EXPECT_EQ(z.RememberZ("A", 3, false), 1);
  EXPECT_EQ(z.RememberZ("A", 8, false), 0);
  EXPECT_EQ(z.FindZ("A"), 3);
  EXPECT_EQ(z.RememberZ("A", 8, true), 1);
  EXPECT_EQ(z.FindZ("A"), 8);
}

struct Shortcuts : ::testing::Test {
  void SetUp() override {
    KnownNameLists::ClearAllForTests();
    ObjectIdCounter::ResetForTests();
    test::WriteArchive(folder / "data.rez", test::StandardArchive());
    // 4 x 3 planes of 16-pixel tiles; "Ground" holds objects and is current.
    path = folder / "w.vwd";
    test::WriteWorld(path, test::StandardProperties(folder / "data.rez"), {{"Ground", 1}, {"Sky"}});
    RegisterDocumentCommands(rig.doc);
    ASSERT_TRUE(rig.doc.OnOpenDocument(path)) << rig.doc.FailureReason();
  }
  CommandState State(CommandId id) {
    CommandState state;
    (*rig.doc.Commands().FindUpdate(id))(id, state);
    return state;
  }
  void Run(CommandId id) { (*rig.doc.Commands().FindHandler(id))(id); }
  CPlane& Plane() { return *rig.doc.CurrentPlane(); }
  CGameObject* Add(int32_t z, const std::string& logic = "L") {
    CGameObject* object = Plane().NewObject(0);
    object->SetZ(z);
    object->m_logic = logic;
    Plane().PlaceByZ(object);
    return object;
  }
  std::vector<int32_t> Zs() {
    std::vector<int32_t> zs;
    for (const auto& object : Plane().Objects()) zs.push_back(object->m_z);
    return zs;
  }
  std::string Section() const { return WorldProfileSection(path); }

  test::TempFolder folder;
  std::string path;
  test::DocumentRig rig;
};

TEST_F(Shortcuts, TablesTravelWithTheWorldFile) {
  const std::string renamed = folder / "renamed.vwd";
  rig.doc.ZTable()->SetDefaultZ(1, 6);
  // Stored at the next open although the world was not saved.
  ASSERT_TRUE(rig.doc.OnOpenDocument(path));
  EXPECT_EQ(rig.doc.ZTable()->DefaultZ(1), 6);

  // A failed save leaves them where they were; a written one moves them.
  EXPECT_FALSE(rig.doc.OnSaveDocument(folder / "no-such-folder/x.vwd"));
  ASSERT_TRUE(rig.doc.OnSaveDocument(renamed)) << rig.doc.FailureReason();
  rig.doc.ZTable()->SetDefaultZ(1, 2);
  ASSERT_TRUE(rig.doc.OnNewDocument());
  EXPECT_EQ(rig.profile.GetProfileInt(Section(), "Default Z Value 1", 0), 6);
  EXPECT_EQ(rig.profile.GetProfileInt(WorldProfileSection(renamed), "Default Z Value 1", 0), 2);

  // A world never saved stores nothing.
  const auto sections = rig.profile.SectionNames();
  rig.doc.LogicTable()->SetDefaultLogic(0, "NEW");
  ASSERT_TRUE(rig.doc.OnNewDocument());
  EXPECT_EQ(rig.profile.SectionNames(), sections);
}

TEST_F(Shortcuts, SetZTakesTheDefaultMovesTheObjectAndNamesItInTheMenu) {
  rig.doc.ZTable()->SetDefaultZ(3, -5);
  Add(-9);
  CGameObject* selected = Add(2);
  Add(4);
  EXPECT_FALSE(State(cmd::kSetZ[3]).enabled);  // no selection
  EXPECT_FALSE(State(cmd::kSetZ[3]).text);

  rig.doc.SetSelectedObject(selected);
  const CommandState state = State(cmd::kSetZ[3]);
  EXPECT_TRUE(state.enabled);
  EXPECT_EQ(state.text, "Set Z Value -5\tCtrl+3");
  ASSERT_FALSE(rig.doc.IsModified());
  Run(cmd::kSetZ[3]);
  EXPECT_EQ(selected->m_z, -5);
  EXPECT_EQ(Zs(), (std::vector<int32_t>{-9, -5, 4}));
  EXPECT_TRUE(rig.doc.IsModified());

  // An object of another plane is never changed through a stale selection.
  CPlane* sky = rig.doc.World()->Plane(1);
  CGameObject* elsewhere = sky->NewObject(0);
  rig.doc.SetSelectedObject(elsewhere);
  EXPECT_FALSE(State(cmd::kSetZ[3]).enabled);
  EXPECT_FALSE(SetDefaultZ(rig.doc, 3));
  EXPECT_EQ(elsewhere->m_z, 0);
}

TEST_F(Shortcuts, SetZMovesOnlyWhenTheOrderChangesAndUndoAndRedoKeepTheObjectSelected) {
  const struct {
    int32_t selected, z;  // the selected object's id (ids 1-4 have z 0, 5, 5, 9)
    std::vector<int32_t> order;
    size_t steps;
  } rows[] = {{1, 7, {2, 3, 1, 4}, 1}, {4, 3, {1, 4, 2, 3}, 1}, {2, 9, {1, 3, 4, 2}, 1},
              {1, 5, {1, 2, 3, 4}, 1}, {2, 5, {1, 2, 3, 4}, 0}};
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "object " << row.selected << " to z " << row.z);
    Plane().RemoveAllObjects();
    int32_t id = 0;
    for (const int32_t z : {0, 5, 5, 9}) Add(z)->m_id = ++id;
    rig.doc.SetSelectedObject(std::next(Plane().Objects().begin(), row.selected - 1)->get());
    rig.doc.ZTable()->SetDefaultZ(1, row.z);
    rig.doc.UndoStack()->Clear();
    Run(cmd::kSetZ[1]);
    std::vector<int32_t> order;
    for (const auto& object : Plane().Objects()) order.push_back(object->m_id);
    EXPECT_EQ(order, row.order);
    EXPECT_EQ(rig.doc.UndoStack()->UndoCount(), row.steps);
    for (const CommandId step : {cmd::kEditUndo, cmd::kEditRedo}) {
      Run(step);
      EXPECT_EQ(rig.doc.SelectedObject()->m_id, row.selected);
    }
  }
}

TEST_F(Shortcuts, AddLogicMenuTextEscapesAmpersandsAndIsNoFormat) {
  struct Case {
    std::string logic;
    bool enabled;
    std::string text;
  } cases[] = {
      {"", false, "Add Logic"},
      {"GUARD", true, "Add: GUARD\tAlt+4"},
      {"R&D %s %i", true, "Add: R&&D %s %i\tAlt+4"},
      {"\xa3\xf3" "d\x9f", true, "Add: Łódź\tAlt+4"},  // Windows-1250 bytes shown as UTF-8
  };
  for (const Case& c : cases) {
    rig.doc.LogicTable()->SetDefaultLogic(4, c.logic);
    const CommandState state = State(cmd::kAddLogic[4]);
    EXPECT_EQ(state.enabled, c.enabled) << c.logic;
    EXPECT_EQ(state.text, c.text);
  }
}

TEST_F(Shortcuts, AddLogicPlacesAtTheMouseOrTheCentreWithTheAutoValues) {
  rig.doc.LogicTable()->SetDefaultLogic(4, "GUARD");
  rig.doc.LogicTable()->RememberImageSet("GUARD", "SOLDIER");
  rig.doc.ZTable()->RememberZ("GUARD", 3, false);
  // A new object starts at z 0, between these; its auto z 3 belongs after both.
  Add(1);
  Add(2);
  rig.view.SetScroll(16, 8);
  struct Case {
    bool mouseInView;
    bool autoOn;
    int32_t x, y, z;
    std::string imageSet;
  } cases[] = {
      {true, true, 30, 20, 3, "SOLDIER"},
      {false, true, 16 + 160, 8 + 120, 3, "SOLDIER"},  // from a menu: the middle of the view
      {false, false, 16 + 160, 8 + 120, 0, ""},
  };
  for (const Case& c : cases) {
    rig.view.m_mouseInView = c.mouseInView;
    rig.view.m_mouseX = c.x;
    rig.view.m_mouseY = c.y;
    rig.doc.SetAutoZ(c.autoOn);
    rig.doc.SetAutoImageSet(c.autoOn);
    rig.doc.SetModifiedFlag(false);
    Run(cmd::kAddLogic[4]);
    CGameObject* added = rig.doc.SelectedObject();
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->m_listPosition.Plane(), &Plane());
    EXPECT_EQ(added->m_logic, "GUARD");
    EXPECT_EQ(added->m_x, c.x);
    EXPECT_EQ(added->m_y, c.y);
    EXPECT_EQ(added->m_z, c.z);
    EXPECT_EQ(added->m_imageSet, c.imageSet);
    EXPECT_TRUE(rig.doc.IsModified());
    const std::vector<int32_t> zs = Zs();
    EXPECT_TRUE(std::is_sorted(zs.begin(), zs.end()));
    rig.doc.SetSelectedObject(nullptr);
  }

  // Ids already used in the world are skipped.
  ObjectIdCounter::ResetForTests(40);
  Add(0)->m_id = 40;
  Run(cmd::kAddLogic[4]);
  EXPECT_EQ(rig.doc.SelectedObject()->m_id, 41);

  // Nothing on a plane without the objects flag, or with an empty default.
  const size_t count = Plane().ObjectCount();
  rig.doc.LogicTable()->SetDefaultLogic(4, "");
  EXPECT_EQ(InsertDefaultLogic(rig.doc, 4), nullptr);
  rig.doc.LogicTable()->SetDefaultLogic(4, "GUARD");
  Plane().m_flags = 0;
  EXPECT_EQ(InsertDefaultLogic(rig.doc, 4), nullptr);
  EXPECT_EQ(Plane().ObjectCount(), count);
}

TEST_F(Shortcuts, AutoRulesFillFromAndRememberForTheLogic) {
  struct Case {
    bool autoOn;
    std::string logic, imageSet;
    int32_t z;
    std::string imageSetAfter;
    int32_t zAfter;
  } cases[] = {
      {true, "GUARD", "", 0, "SOLDIER", 3},        // both filled from the tables
      {true, "GUARD", "OTHER", 7, "OTHER", 7},     // kept; the first pairing stays
      {true, "NEW", "NEWSET", 9, "NEWSET", 9},     // remembered ...
      {true, "NEW", "", 0, "NEWSET", 9},           // ... and used
      {false, "GUARD", "", 0, "", 0},
      {true, "", "", 0, "", 0},
  };
  rig.doc.LogicTable()->RememberImageSet("GUARD", "SOLDIER");
  rig.doc.ZTable()->RememberZ("GUARD", 3, false);
  for (const Case& c : cases) {
    rig.doc.SetAutoZ(c.autoOn);
    rig.doc.SetAutoImageSet(c.autoOn);
    CGameObject object;
    object.m_logic = c.logic;
    object.m_imageSet = c.imageSet;
    object.SetZ(c.z);
    ApplyAutoRules(rig.doc, object);
    EXPECT_EQ(object.m_imageSet, c.imageSetAfter) << c.logic << " " << c.imageSet;
    EXPECT_EQ(object.m_z, c.zAfter) << c.logic << " " << c.z;
  }
  EXPECT_EQ(rig.doc.LogicTable()->FindImageSet("GUARD"), "SOLDIER");
  EXPECT_EQ(rig.doc.ZTable()->FindZ("GUARD"), 3);
}

TEST_F(Shortcuts, AutoTogglesCheckAndSurviveARestart) {
  Run(cmd::kAutoZ);
  EXPECT_FALSE(State(cmd::kAutoZ).checked);
  EXPECT_TRUE(State(cmd::kAutoImageSet).checked);
  {
    ScriptedInteraction user;
    Profile profile;
    {
      CWorldDoc doc(&profile, user);
      doc.SetAutoImageSet(false);
    }
    CWorldDoc again(&profile, user);
    EXPECT_FALSE(again.AutoImageSet());
    EXPECT_TRUE(again.AutoZ());
  }
}

TEST_F(Shortcuts, DefaultDialogsShowAndStoreTheTenDefaults) {
  KnownNameLists::Logic().Add("ZED");
  KnownNameLists::Logic().Add("ALPHA");
  rig.doc.ZTable()->SetDefaultZ(2, -4);
  rig.doc.LogicTable()->SetDefaultLogic(9, "ZED");
  rig.user.QueueDialogOk([](CDialogModel& model, int attempt) {
    auto& dialog = static_cast<CDefaultZDialog&>(model);
    EXPECT_EQ(dialog.m_values[2], "-4");
    dialog.m_values[0] = attempt == 0 ? "99999999999" : "-12";  // out of range: refused once
  }, 2);
  Run(cmd::kEditDefaultZ);
  EXPECT_EQ(rig.doc.ZTable()->DefaultZ(0), -12);
  EXPECT_EQ(rig.doc.ZTable()->DefaultZ(2), -4);

  rig.user.QueueDialogOk([](CDialogModel& model, int) {
    auto& dialog = static_cast<CDefaultLogicDialog&>(model);
    EXPECT_EQ(dialog.m_choices, (std::vector<std::string>{"ALPHA", "ZED"}));
    EXPECT_EQ(dialog.m_logics[9], "ZED");
    dialog.m_logics[9] = "";
    dialog.m_logics[1] = "ALPHA";
  });
  Run(cmd::kEditDefaultLogic);
  EXPECT_EQ(rig.doc.LogicTable()->DefaultLogic(9), "");
  EXPECT_EQ(rig.doc.LogicTable()->DefaultLogic(1), "ALPHA");
}

}  // namespace
}  // namespace vyr
