// The plane dialogs: the image-set words, adding a plane, the plane information with its
// size questions and flags, and selecting, removing and moving planes in the stack.
#include <gtest/gtest.h>

#include "commands/command_run.h"
#include "commands/document_commands.h"
#include "commands/planes/image_set_words.h"
#include "commands/planes/move_plane_dialog.h"
#include "commands/planes/new_plane_dialog.h"
#include "commands/planes/plane_info_dialog.h"
#include "commands/planes/planes_dialog.h"
#include "platform/command_ids.h"
#include "resources/image_set.h"
#include "world/document_fixture.h"
#include "world/undo_stack.h"

namespace vyr {
namespace {

using test::DocumentRig;
using Strings = std::vector<std::string>;

TEST(ImageSetWordsTest, SplitsOnEverythingBelowTheDigitZeroAndOnHighBytes) {
  const struct {
    std::string text;
    Strings words;
  } rows[] = {
      {"Tiles1, Back-2", {"Tiles1", "Back", "2"}},
      {"\r\n\r\nTILES\r\n\r\nBACK\r\n", {"TILES", "BACK"}},
      {"a.b/c d\xB3" "e", {"a", "b", "c", "d", "e"}},
      {"x" + std::string(200, 'y') + " z", {"x" + std::string(kImageSetWordMax - 1, 'y'), "z"}},
      {std::string(kImageSetTextMax - 1, ' ') + "ab", {"a"}},
  };
  for (const auto& row : rows) EXPECT_EQ(ImageSetWords(row.text), row.words) << row.text;
}

struct PlanesFixture : ::testing::Test {
  void SetUp() override {
    test::WriteArchive(folder / "data.rez", test::StandardArchive());
    // "Ground" holds the objects and a flag bit the dialogs do not show; it opens as current.
    test::WriteWorld(folder / "w.vwd", test::StandardProperties(folder / "data.rez"),
                     {{"Ground", kPlaneFlagObjects | 0x40, {"TILES", "NOSUCH", "BACK"}, 10, 10, 16, 2},
                      {"Sky", 0, {"BACK"}, 4, 3, 16}});
    Reopen();
  }
  // A fresh document with the world just opened and unmodified.
  void Reopen() {
    m_rig = std::make_unique<DocumentRig>();
    RegisterDocumentCommands(rig().doc);
    ASSERT_TRUE(rig().doc.OnOpenDocument(folder / "w.vwd"));
    rig().doc.SetModifiedFlag(false);
    rig().user.ClearLog();
  }
  DocumentRig& rig() { return *m_rig; }
  CWorld& World() { return *rig().doc.World(); }
  CPlane& Plane(int32_t index) { return *World().Plane(index); }
  void Run(CommandId id) { test::RunCommand(rig().doc.Commands(), id); }
  bool Enabled(CommandId id) { return test::UpdateCommand(rig().doc.Commands(), id).enabled; }
  // The user types into the dialog's fields, then presses OK.
  template <typename Dialog>
  void QueueEdit(std::function<void(Dialog&)> edit, int attempts = 1) {
    rig().user.QueueDialogOk([edit](CDialogModel& model, int) { edit(dynamic_cast<Dialog&>(model)); }, attempts);
  }
  // The planes dialog: the script presses buttons in turn, then OK unless the dialog ended.
  void QueuePlanes(std::function<void(CPlanesDialog&)> press) {
    QueueEdit<CPlanesDialog>(std::move(press));
  }
  void Press(CPlanesDialog& dialog, int control, int selected,
             ControlEvent event = ControlEvent::Clicked) {
    dialog.m_selected = selected;
    dialog.OnControlEvent(control, event, rig().user);
  }
  Strings Slots(const CPlane& plane) {
    Strings names;
    for (const ImageSetSlot& slot : plane.ImageSetSlots()) names.push_back(slot.name);
    return names;
  }

  test::TempFolder folder;
  std::unique_ptr<DocumentRig> m_rig;
};

TEST_F(PlanesFixture, UnknownSetNamesLeaveTheirSlotButUseASlotNumber) {
  ApplyImageSetWords(rig().doc.ImageSets(), Plane(0), "NOSUCH, MIXED");
  EXPECT_EQ(Slots(Plane(0)), (Strings{"TILES", "MIXED", "BACK"}));
  ApplyImageSetWords(rig().doc.ImageSets(), Plane(0), "\r\n\r\nBACK");
  EXPECT_EQ(Slots(Plane(0)), (Strings{"BACK", "MIXED", "BACK"})) << "empty lines only separate words";
}

TEST_F(PlanesFixture, ANewPlaneGoesOnTopWithItsSetsAndValuesAndBecomesCurrent) {
  EXPECT_TRUE(Enabled(cmd::kPlaneAdd));
  EXPECT_FALSE(rig().doc.Commands().FindHandler(cmd::kPlaneRemove)) << "removed through the list only";
  QueueEdit<CNewPlaneDialog>([this](CNewPlaneDialog& d) {
    d.m_name = "Front";
    d.m_imageSets = "NOSUCH\r\nMIXED, TILES";
    d.OnControlEvent(CNewPlaneDialog::kImageSetsControl, ControlEvent::FocusLost, rig().user);
    d.m_width = "6";
    d.m_height = "5";
    d.m_movementX = "-50";
    d.m_colour = "300";
    d.m_z = "7";
    d.m_objects = d.m_endlessY = d.m_autoSize = true;
  });
  rig().user.QueueAnswer(Answer::Yes);  // Ground's objects go
  Run(cmd::kPlaneAdd);
  ASSERT_EQ(World().PlaneCount(), 3);
  CPlane& added = Plane(2);
  EXPECT_EQ(rig().doc.CurrentPlane(), &added);
  EXPECT_EQ(added.Name(), "Front");
  EXPECT_EQ((std::vector<int32_t>{added.Width(), added.Height(), added.TileWidth(), added.TileHeight()}),
            (std::vector<int32_t>{6, 5, 16, 16}))
      << "tile size from MIXED's first image";
  EXPECT_EQ(Slots(added), (Strings{"", "MIXED", "TILES"}));
  EXPECT_EQ((std::vector<int32_t>{added.m_movementX, added.m_movementY, added.m_fillColour, added.m_z}),
            (std::vector<int32_t>{-50, 0, 300, 7}));
  EXPECT_EQ(added.m_flags, kPlaneFlagObjects | kPlaneFlagEndlessY | kPlaneFlagAutoSize);
  EXPECT_EQ(Plane(0).m_flags, 0x40) << "only one plane holds the objects";
  EXPECT_EQ(World().ObjectPlane(), &added);
  EXPECT_EQ(World().ObjectPlaneIndex(), 2);
  EXPECT_TRUE(rig().doc.IsModified());
  EXPECT_TRUE(rig().view.Logged("plane changed"));

  rig().user.QueueDialogCancel();
  Run(cmd::kPlaneAdd);
  EXPECT_EQ(World().PlaneCount(), 3);
}

TEST_F(PlanesFixture, SizesThatCannotMakeAPlaneKeepTheNewPlaneDialogOpen) {
  const struct {
    std::string width, height, tile;
    std::string said;  // start of the message
    int focus;
  } tries[] = {
      {"0", "5", "16", "message: \"Długość:\" takes a number from 1", CNewPlaneDialog::kWidthControl},
      {"4", "5", "", "message: \"Dł:\" takes a number from 1", CNewPlaneDialog::kTileWidthControl},
      {"99999999999", "5", "16", "message: \"Długość:\" takes", CNewPlaneDialog::kWidthControl},
      {"70000", "70000", "16", "message: A plane of 70000 x 70000 tiles of 16 x 16 pixels is too large",
       CNewPlaneDialog::kWidthControl},
      {"2000000", "1", "2000", "message: A plane of 2000000 x 1 tiles", CNewPlaneDialog::kWidthControl},
  };
  for (const auto& t : tries) {
    CNewPlaneDialog dialog(rig().doc);
    dialog.OnInitDialog();
    dialog.m_width = t.width;
    dialog.m_height = t.height;
    dialog.m_tileWidth = dialog.m_tileHeight = t.tile;
    rig().user.ClearLog();
    EXPECT_FALSE(dialog.OnOK(rig().user)) << t.said;
    ASSERT_EQ(rig().user.Log().size(), 1u);
    EXPECT_EQ(rig().user.Log()[0].rfind(t.said, 0), 0u) << rig().user.Log()[0];
    EXPECT_EQ(dialog.FocusControl(), t.focus) << t.said;
  }
  EXPECT_EQ(World().PlaneCount(), 2);
}

TEST_F(PlanesFixture, PlaneInformationShowsThePlaneAndKeepsWhatItDoesNotShow) {
  EXPECT_TRUE(Enabled(cmd::kPlaneInfo));
  const uint64_t changes = rig().doc.Changes().Value();
  Plane(0).m_z = 3;
  Plane(0).SetImageSetCount(0);
  Plane(0).AddImageSet(rig().doc.ImageSets(), 0, "TILES");
  Plane(0).AddImageSet(rig().doc.ImageSets(), 2, "BACK");
  std::string shownSets;
  QueueEdit<CPlaneInfoDialog>([&](CPlaneInfoDialog& d) {
    shownSets = d.m_imageSets;
    EXPECT_EQ((Strings{d.m_name, d.m_width, d.m_height, d.m_tileWidth, d.m_z}), (Strings{"Ground", "10", "10", "16", "3"}));
    EXPECT_TRUE(d.m_objects);
    d.m_name = "Earth";
    d.m_objects = false;
    d.m_endlessX = true;
  });
  rig().user.QueueAnswer(Answer::Yes);
  Run(cmd::kPlaneInfo);
  EXPECT_EQ(shownSets, "TILES\r\n\r\nBACK\r\n");
  EXPECT_EQ(Plane(0).Name(), "Earth");
  EXPECT_EQ(Plane(0).m_flags, 0x40 | kPlaneFlagEndlessX) << "bits above 4 survive";
  EXPECT_EQ(Slots(Plane(0)), (Strings{"TILES", "", "BACK"})) << "an untouched list is not parsed again";
  EXPECT_TRUE(rig().doc.IsModified());
  EXPECT_EQ(rig().doc.Changes().Value(), changes) << "the change is an undo step of its own";
  EXPECT_EQ(rig().doc.UndoStack()->UndoCount(), 1u);
  EXPECT_TRUE(rig().view.Logged("refresh"));

  // Giving the objects to another plane takes them from the first.
  rig().doc.SelectPlane(&Plane(1));
  Plane(0).m_flags |= kPlaneFlagObjects;
  QueueEdit<CPlaneInfoDialog>([](CPlaneInfoDialog& d) {
    d.m_objects = true;
    d.m_imageSets = "TILES";
  });
  rig().user.QueueAnswer(Answer::Yes);
  Run(cmd::kPlaneInfo);
  EXPECT_EQ(Plane(0).m_flags, 0x40 | kPlaneFlagEndlessX);
  EXPECT_EQ(Plane(1).m_flags, kPlaneFlagObjects);
  EXPECT_EQ(World().ObjectPlaneIndex(), 1);
  EXPECT_EQ(Slots(Plane(1)), (Strings{"TILES"}));
}

TEST(PlaneWarnings, ANewCurrentPlaneWarnsInOneBoxAboutTilesOfAnotherSize) {
  test::TempFolder folder;
  test::WriteArchive(folder / "data.rez", test::StandardArchive());
  test::WriteWorld(folder / "w.vwd", test::StandardProperties(folder / "data.rez"),
                   {{"Mixed", 0, {"MIXED"}}, {"Back", 0, {"NOSUCH", "BACK"}, 4, 3, 8}, {"Odd", 1, {"MIXED"}, 2, 2, 8}});
  DocumentRig rig;
  RegisterDocumentCommands(rig.doc);
  // Opening makes "Odd" (8-pixel tiles) current: every 16-pixel image of MIXED is reported, image 3 is not.
  ASSERT_TRUE(rig.doc.OnOpenDocument(folder / "w.vwd"));
  EXPECT_EQ(rig.user.Log(), (Strings{"message: WARNING!  Tile 0 is 16x16\nWARNING!  Tile 1 is 16x16"}));
  const struct {
    int32_t plane;
    Strings log;
  } rows[] = {{0, {"message: WARNING!  Tile 3 is 8x8"}}, {1, {}} /* no first set */, {1, {}} /* already current */};
  for (const auto& row : rows) {
    rig.user.ClearLog();
    rig.doc.SelectPlane(rig.doc.World()->Plane(row.plane));
    EXPECT_EQ(rig.user.Log(), row.log) << row.plane;
  }
}

TEST_F(PlanesFixture, TakingObjektyFromThePlaneWithObjectsAsksAndSoDoesASaveWithoutThem) {
  const std::string question = "question: Warstwa \"Ground\" straci atrybut \"Objekty\", a jej 2 objekty nie będą "
                               "już zapisywane.\n\nZabrać warstwie \"Objekty\"?";
  const struct {
    int32_t current;
    CommandId command;
    bool objects, yes;  // the box as the user leaves it, the answer
  } rows[] = {{0, cmd::kPlaneInfo, false, false}, {0, cmd::kPlaneInfo, false, true}, {1, cmd::kPlaneInfo, true, true},
              {0, cmd::kPlaneAdd, true, false}, {0, cmd::kPlaneAdd, true, true}};
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.command << " on plane " << row.current << ", yes " << row.yes);
    Reopen();
    rig().doc.SelectPlane(&Plane(row.current));
    QueueEdit<CPlaneDialog>([&row](CPlaneDialog& d) {
      if (row.command == cmd::kPlaneAdd) d.m_width = d.m_height = d.m_tileWidth = d.m_tileHeight = "4";
      d.m_objects = row.objects;
    });
    rig().user.QueueAnswer(row.yes ? Answer::Yes : Answer::No);
    Run(row.command);
    EXPECT_TRUE(rig().Logged(question + (row.yes ? " -> yes" : " -> no")));
    EXPECT_EQ(rig().doc.IsModified(), row.yes) << "a No keeps the dialog open";
    if (!row.yes) continue;
    rig().user.QueueAnswer(Answer::No);
    EXPECT_FALSE(rig().doc.DoSave(folder / "saved.vwd"));
    EXPECT_EQ(rig().user.Log().back().rfind("question: 2 objekty leżą na warstwach bez atrybutu", 0), 0u);
    Run(cmd::kEditUndo);
    EXPECT_TRUE(rig().doc.DoSave(folder / "saved.vwd"));
    EXPECT_TRUE(rig().user.Unexpected().empty()) << "after the undo the objects are saved unasked";
  }
}

TEST_F(PlanesFixture, StatisticsRunForTheCurrentSetAndThenCancelThePlaneInformation) {
  const struct {
    int32_t set;
    Strings log;
  } rows[] = {
      {2, {"dialog 183: ok", "dialog 191: cancel"}},
      {1, {"beep", "dialog 191: ok"}},  // slot 1 names no loaded set
  };
  for (const auto& row : rows) {
    rig().doc.SelectSet(row.set);
    rig().user.ClearLog();
    QueueEdit<CPlaneInfoDialog>([this](CPlaneInfoDialog& d) {
      d.m_name = "Changed";
      d.OnControlEvent(CPlaneInfoDialog::kStatisticsControl, ControlEvent::Clicked, rig().user);
    });
    if (row.set == 2) rig().user.QueueDialog([](CDialogModel&) { return DialogResult::Ok; });
    Run(cmd::kPlaneInfo);
    EXPECT_EQ(rig().user.Log(), row.log) << row.set;
    EXPECT_TRUE(rig().user.AllScriptUsed());
    EXPECT_EQ(Plane(0).Name() == "Ground", row.set == 2) << "a cancelled dialog stores nothing";
  }
}

TEST_F(PlanesFixture, SizeChangesNeedAYesAndResizingKeepsTheTopLeftCells) {
  const struct {
    Answer tiles, grid;
    int32_t tileWidth, width, height;
    bool noImages, resized;
  } rows[] = {
      {Answer::No, Answer::No, 16, 10, 10, false, false},
      {Answer::Yes, Answer::No, 32, 10, 10, true, false},
      {Answer::No, Answer::Yes, 16, 12, 8, false, true},
  };
  for (const auto& row : rows) {
    Reopen();
    CPlane& plane = Plane(0);
    plane.SetTile(9, 7, MakeTile(0, 2));
    plane.SetTile(9, 8, MakeTile(0, 2));
    rig().doc.UndoStack()->PushUndo(std::make_unique<CTileUndoEntry>(0, 0, 0, 0, 0, UndoViewState{}, false, 0));
    rig().view.m_noImages = false;
    rig().view.m_log.clear();
    QueueEdit<CPlaneInfoDialog>([](CPlaneInfoDialog& d) {
      d.m_tileWidth = "32";
      d.m_width = "12";
      d.m_height = "8";
    });
    rig().user.QueueAnswer(row.tiles);
    rig().user.QueueAnswer(row.grid);
    Run(cmd::kPlaneInfo);
    EXPECT_EQ((std::vector<int32_t>{plane.TileWidth(), plane.TileHeight(), plane.Width(), plane.Height()}),
              (std::vector<int32_t>{row.tileWidth, 16, row.width, row.height}));
    EXPECT_EQ(rig().view.m_noImages, row.noImages);
    // The cell entry stays; a size change is a step of its own.
    EXPECT_EQ(rig().doc.UndoStack()->UndoCount(), row.noImages || row.resized ? 2u : 1u);
    EXPECT_EQ(rig().view.Logged("resize"), row.noImages || row.resized);
    EXPECT_EQ(plane.GetTile(9, 7), MakeTile(0, 2));
    EXPECT_EQ(plane.GetTile(10, 7), kEmptyTile);
    EXPECT_TRUE(rig().user.AllScriptUsed());
  }

  // A size the plane refuses is refused before any question.
  CPlaneInfoDialog dialog(rig().doc);
  dialog.OnInitDialog();
  dialog.m_tileHeight = "2000000";
  dialog.m_height = "2000";
  rig().user.ClearLog();
  EXPECT_FALSE(dialog.OnOK(rig().user));
  ASSERT_EQ(rig().user.Log().size(), 1u);
  EXPECT_EQ(rig().user.Log()[0].rfind("message: A plane of 12 x 2000 tiles of 16 x 2000000 pixels", 0), 0u)
      << rig().user.Log()[0];
  EXPECT_EQ(dialog.FocusControl(), CPlaneInfoDialog::kWidthControl);
}

TEST_F(PlanesFixture, SelectingInTheListMakesThePlaneCurrentAndADoubleClickCloses) {
  EXPECT_TRUE(Enabled(cmd::kPlanes));
  rig().doc.SetSelectedObject(Plane(0).FirstObject());
  QueuePlanes([&](CPlanesDialog& d) {
    EXPECT_EQ(d.m_names, (Strings{"Ground", "Sky"}));
    EXPECT_EQ(d.m_selected, 0);
    Press(d, CPlanesDialog::kSelectControl, 1);
    EXPECT_EQ(rig().doc.CurrentPlane(), &Plane(1));
    EXPECT_EQ(rig().doc.SelectedObject(), nullptr);
    Press(d, CPlanesDialog::kListControl, 0, ControlEvent::DoubleClicked);
    EXPECT_EQ(d.EndResult(), DialogResult::Ok);
  });
  Run(cmd::kPlanes);
  EXPECT_EQ(rig().doc.CurrentPlane(), &Plane(0));
  EXPECT_FALSE(rig().doc.IsModified());
}

TEST_F(PlanesFixture, RemovingAPlaneAsksAndTheLastRemovalClosesTheList) {
  rig().doc.SetSelectedObject(Plane(0).FirstObject());
  rig().user.QueueAnswer(Answer::No);
  rig().user.QueueAnswer(Answer::Yes);
  rig().user.QueueAnswer(Answer::Yes);
  rig().user.QueueAnswer(Answer::Yes);
  QueuePlanes([&](CPlanesDialog& d) {
    Press(d, CPlanesDialog::kRemoveControl, 0);  // No
    EXPECT_EQ(World().PlaneCount(), 2);
    Press(d, CPlanesDialog::kRemoveControl, 5);  // an index beyond the stack
    Press(d, CPlanesDialog::kRemoveControl, 0);
    EXPECT_EQ(d.m_names, (Strings{"Sky"}));
    EXPECT_EQ(rig().doc.CurrentPlane(), &Plane(0));
    EXPECT_EQ(rig().doc.SelectedObject(), nullptr);
    EXPECT_EQ(World().ObjectPlane(), nullptr);
    EXPECT_FALSE(d.EndResult());
    Press(d, CPlanesDialog::kRemoveControl, 0);
    EXPECT_EQ(d.EndResult(), DialogResult::Ok);
  });
  Run(cmd::kPlanes);
  EXPECT_EQ(rig().user.Log(), (Strings{"question: Remove Ground plane, are you sure? -> no",
                                     "question: Remove  plane, are you sure? -> yes",
                                     "message: Nie można usunąć tego planu.",
                                     "question: Remove Ground plane, are you sure? -> yes",
                                     "question: Remove Sky plane, are you sure? -> yes", "dialog 192: ok"}));
  EXPECT_EQ(World().PlaneCount(), 0);
  EXPECT_EQ(rig().doc.CurrentPlane(), nullptr);
  EXPECT_TRUE(rig().doc.IsModified());
  EXPECT_FALSE(Enabled(cmd::kPlanes));
  EXPECT_FALSE(Enabled(cmd::kPlaneInfo));
}

TEST_F(PlanesFixture, MovingAPlaneTakesTheNewPositionOrSaysItCannot) {
  const struct {
    std::string position;
    Strings names;
    int32_t objectPlaneIndex;
    bool refused;
    size_t steps;  // the cell entry, then the move
  } rows[] = {
      {"0", {"Ground", "Sky"}, 0, false, 1},
      {"1", {"Sky", "Ground"}, 1, false, 2},
      {"2", {"Ground", "Sky"}, 0, true, 1},
      {"-1", {"Ground", "Sky"}, 0, true, 1},
  };
  for (const auto& row : rows) {
    Reopen();
    QueuePlanes([&](CPlanesDialog& d) {
      QueueEdit<CMovePlaneDialog>([&](CMovePlaneDialog& move) {
        EXPECT_EQ((Strings{move.m_name, move.m_current, move.m_newPosition}), (Strings{"Ground", "0", ""}));
        move.m_newPosition = row.position;
      });
      Press(d, CPlanesDialog::kMoveControl, 0);
      EXPECT_EQ(d.m_names, row.names);
    });
    ASSERT_EQ(rig().doc.SetTile(0, 0, 12345), 1);
    rig().doc.SetModifiedFlag(false);
    Run(cmd::kPlanes);
    EXPECT_EQ(rig().doc.UndoStack()->UndoCount(), row.steps) << row.position;
    EXPECT_EQ(World().ObjectPlaneIndex(), row.objectPlaneIndex) << row.position;
    EXPECT_EQ(rig().doc.IsModified(), row.steps == 2) << "only a real move marks: " << row.position;
    EXPECT_EQ(rig().Logged("message: Nie można przesunąć tego planu.\n\nPodaj pozycję od 0 do 1."), row.refused)
        << row.position;
  }
}

// Four planes, "C" current: the current plane and the list's selection follow removals and
// moves; OK keeps them as one step and redraws the view, Cancel takes them all back.
TEST_F(PlanesFixture, InALongerStackTheCurrentAndSelectedPlaneFollowAndCancelTakesAllBack) {
  const Strings stack = {"A", "B", "C", "D"};
  test::WriteWorld(folder / "w.vwd", test::StandardProperties(folder / "data.rez"),
                   {{"A", kPlaneFlagObjects}, {"B"}, {"C"}, {"D"}});
  const struct {
    const char* what;
    std::vector<std::pair<int, const char*>> presses;  // the plane selected, then moved there or removed
    Strings names;
    const char* current;
    int selected;
  } rows[] = {
      {"remove below the current", {{1, nullptr}}, {"A", "C", "D"}, "C", -1},
      {"remove the current", {{2, nullptr}}, {"A", "B", "D"}, "A", -1},
      {"move the current up", {{2, "0"}}, {"C", "A", "B", "D"}, "C", 0},
      {"move another past the current", {{0, "3"}}, {"B", "C", "D", "A"}, "C", 3},
      {"move, then remove between", {{3, "1"}, {2, nullptr}}, {"A", "D", "C"}, "C", -1},
  };
  for (const bool ok : {true, false}) {
    for (const auto& row : rows) {
      SCOPED_TRACE(std::string(row.what) + (ok ? ", OK" : ", Cancel"));
      Reopen();
      rig().doc.SelectPlane(&Plane(2));
      rig().view.m_log.clear();
      rig().user.QueueDialog([&](CDialogModel& model) {
        auto& d = dynamic_cast<CPlanesDialog&>(model);
        d.OnInitDialog();
        for (const auto& [selected, position] : row.presses) {
          if (position)
            QueueEdit<CMovePlaneDialog>([to = position](CMovePlaneDialog& move) { move.m_newPosition = to; });
          else
            rig().user.QueueAnswer(Answer::Yes);
          Press(d, position ? CPlanesDialog::kMoveControl : CPlanesDialog::kRemoveControl, selected);
        }
        EXPECT_EQ(d.m_names, row.names);
        EXPECT_EQ(d.m_selected, row.selected);
        if (ok) return DialogResult::Ok;
        d.OnCancel();
        return DialogResult::Cancel;
      });
      Run(cmd::kPlanes);
      Strings names;
      for (int32_t i = 0; i < World().PlaneCount(); ++i) names.push_back(Plane(i).Name());
      EXPECT_EQ(names, ok ? row.names : stack);
      EXPECT_EQ(rig().doc.CurrentPlane()->Name(), ok ? row.current : "C");
      EXPECT_EQ(rig().doc.UndoStack()->UndoCount(), ok ? 1u : 0u);
      EXPECT_EQ(rig().doc.UndoStack()->RedoCount(), 0u);
      EXPECT_EQ(rig().doc.IsModified(), ok);
      EXPECT_EQ(World().ObjectPlane() ? World().ObjectPlane()->Name() : "", "A");
    }
  }
}

}  // namespace
}  // namespace vyr
