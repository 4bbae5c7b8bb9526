// Undo steps for whole actions: each kind of change undone and redone byte for byte through
// the world writer, the state the document is left in, the memory budget, a compact fill,
// the cells each kind of grid edit reports, all-or-nothing restores and the scope check.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

#include "world/change_scope_check.h"
#include "world/document_fixture.h"
#include "world/single_attrib.h"
#include "world/tile_edits.h"
#include "world/world_change.h"
#include "world/world_doc.h"
#include "world/world_file.h"

namespace vyr {
namespace {

using Status = UndoOutcome::Status;

std::vector<uint8_t> Image(CWorldDoc& doc) {
  std::vector<uint8_t> image;
  EXPECT_TRUE(BuildWorldFileImage(*doc.World(), doc.Properties(), image));
  return image;
}

struct WorldChanges : ::testing::Test {
  void SetUp() override {
    test::WriteArchive(folder / "data.rez", test::StandardArchive());
    test::WriteWorld(folder / "w.vwd", test::StandardProperties(folder / "data.rez"),
                     {{"Ground", kPlaneFlagObjects, {"TILES"}, 6, 5, 16, 3}, {"Sky", 0, {"BACK"}, 4, 3, 16}});
    ASSERT_TRUE(rig.doc.OnOpenDocument(folder / "w.vwd")) << rig.doc.FailureReason();
    rig.doc.SetModifiedFlag(false);
  }
  CWorldDoc& Doc() { return rig.doc; }
  CWorld& World() { return *rig.doc.World(); }
  CPlane& Current() { return *rig.doc.CurrentPlane(); }
  // Every reference the document holds points into the world.
  void ExpectSoundState(const std::string& label) {
    CPlane* current = Doc().CurrentPlane();
    EXPECT_EQ(World().IndexOf(current) >= 0, World().PlaneCount() > 0) << label;
    const CGameObject* selected = Doc().SelectedObject();
    EXPECT_TRUE(!selected || selected->m_listPosition.Plane() == current) << label;
    EXPECT_EQ(World().ObjectPlane(), World().Plane(World().ObjectPlaneIndex())) << label;
  }

  test::TempFolder folder;
  test::DocumentRig rig;
};

TEST_F(WorldChanges, EveryKindOfChangeUndoesAndRedoesToTheSameBytes) {
  const struct {
    std::string label;
    std::function<ChangeScope(WorldChanges&)> scope;
    std::function<void(WorldChanges&)> act;
  } rows[] = {
      {"fill", [](WorldChanges& t) { return ChangeScope::Cells(&t.Current()); },
       [](WorldChanges& t) { FillPlane(t.Current(), MakeTile(0, 2)); }},
      {"grid and tile size", [](WorldChanges& t) { ChangeScope s = ChangeScope::Planes(); s.cells = &t.Current(); return s; },
       [](WorldChanges& t) {
         t.Current().Resize(9, 2);
         t.Current().ChangeTileSize(32, 8);
       }},
      {"object moved", [](WorldChanges& t) { return ChangeScope::Objects(&t.Current()); },
       [](WorldChanges& t) {
         CGameObject* object = t.Current().NextObject(t.Current().FirstObject(), false);
         object->MoveTo(object->m_x + 40, object->m_y);
         t.Doc().SetSelectedObject(object);
       }},
      {"object created", [](WorldChanges& t) { return ChangeScope::Objects(&t.Current()); },
       [](WorldChanges& t) {
         CGameObject* object = t.Current().NewObject(0);
         object->m_logic = "Gem";
         object->SetZ(5);
         t.Current().PlaceByZ(object);
         t.Doc().SetSelectedObject(object);
       }},
      {"objects deleted", [](WorldChanges& t) { return ChangeScope::Objects(&t.Current()); },
       [](WorldChanges& t) {
         t.Doc().SetSelectedObject(nullptr);
         t.Current().RemoveAllObjects();
       }},
      {"plane added", [](WorldChanges&) { return ChangeScope::Planes(); },
       [](WorldChanges& t) {
         CPlane* plane = t.World().AddPlane("Top", 3, 3, 16, 16);
         plane->SetTile(1, 1, MakeTile(0, 1));
         t.Doc().SelectPlane(plane);
       }},
      {"current plane removed", [](WorldChanges&) { return ChangeScope::Planes(); },
       [](WorldChanges& t) {
         t.Doc().SetSelectedObject(t.Current().FirstObject());
         t.Doc().SelectPlane(nullptr);
         t.Doc().RemovePlane(0);
         t.Doc().SelectPlane(t.World().Plane(0));
       }},
      {"plane moved", [](WorldChanges&) { return ChangeScope::Planes(); },
       [](WorldChanges& t) { t.World().MovePlane(0, 1); }},
      {"plane settings", [](WorldChanges&) { return ChangeScope::Planes(); },
       [](WorldChanges& t) {
         t.World().ClearObjectPlane();
         CPlane& sky = *t.World().Plane(1);
         sky.m_flags |= kPlaneFlagObjects;
         t.World().SetObjectPlane(1);
         sky.SetName("Clouds");
         sky.m_movementX = 50;
         sky.SetImageSetCount(0);
         sky.AddImageSet(t.Doc().ImageSets(), 1, "TILES");
       }},
      {"world information", [](WorldChanges&) { return ChangeScope::Header(); },
       [](WorldChanges& t) {
         t.Doc().Properties().name = "Renamed";
         t.Doc().Properties().flags ^= kWorldFlagCompressed;
       }},
      {"attribute table", [](WorldChanges&) { return ChangeScope::Attributes(); },
       [](WorldChanges& t) { t.World().SetAttribute(3, std::make_unique<CSingleAttrib>(16, 16, 7)); }},
  };
  for (const auto& row : rows) {
    SetUp();
    const std::vector<uint8_t> before = Image(Doc());
    {
      test::Change change(Doc(), row.scope(*this));
      row.act(*this);
    }
    const std::vector<uint8_t> after = Image(Doc());
    ASSERT_NE(before, after) << row.label;
    ASSERT_EQ(Doc().UndoStack()->UndoCount(), 1u) << row.label;
    EXPECT_TRUE(Doc().IsModified()) << row.label;
    for (int round = 0; round < 2; ++round) {
      ASSERT_EQ(Doc().Undo(), Status::kDone) << row.label;
      EXPECT_EQ(Image(Doc()), before) << row.label;
      EXPECT_FALSE(Doc().IsModified()) << row.label;
      ExpectSoundState(row.label + " undone");
      ASSERT_EQ(Doc().Redo(), Status::kDone) << row.label;
      EXPECT_EQ(Image(Doc()), after) << row.label;
      EXPECT_TRUE(Doc().IsModified()) << row.label;
      ExpectSoundState(row.label + " redone");
    }
    EXPECT_EQ(Doc().Redo(), Status::kEmpty) << row.label;
  }
}

TEST_F(WorldChanges, AnActionThatChangesNothingLeavesNoStepAndNestedActionsAreOne) {
  { test::Change change(Doc(), ChangeScope::Objects(&Current())); }
  EXPECT_EQ(Doc().UndoStack()->UndoCount(), 0u);
  {
    test::Change outer(Doc(), ChangeScope::Cells(&Current()));
    test::Change inner(Doc(), ChangeScope::Cells(&Current()));
    Doc().SetTile(0, 0, kEmptyTile);
    Doc().SetTile(1, 0, kEmptyTile);
  }
  EXPECT_EQ(Doc().UndoStack()->UndoCount(), 1u);
  ASSERT_EQ(Doc().Undo(), Status::kDone);
  EXPECT_EQ(Doc().GetTile(1, 0), MakeTile(0, 1));
  EXPECT_FALSE(Doc().IsModified());
}

TEST_F(WorldChanges, StepsOfOneSeriesFollowingEachOtherBecomeOne) {
  const std::vector<uint8_t> start = Image(Doc());
  CGameObject* first = Current().FirstObject();
  CGameObject* second = Current().NextObject(first, false);
  const auto nudge = [&](CGameObject* object, const void* series) {
    test::Change change(Doc(), ChangeScope::Objects(&Current()), series);
    object->MoveTo(object->m_x + 3, object->m_y);
  };
  nudge(first, first);
  nudge(first, first);
  nudge(first, first);
  EXPECT_EQ(Doc().UndoStack()->UndoCount(), 1u);
  nudge(second, second);  // another object: a step of its own
  Doc().MarkChangedWithoutStep();
  nudge(second, second);  // an unrecorded change in between keeps the steps apart
  nudge(second, nullptr);  // no series: never merged
  EXPECT_EQ(Doc().UndoStack()->UndoCount(), 4u);
  nudge(second, nullptr);
  EXPECT_EQ(Doc().UndoStack()->UndoCount(), 5u);
  for (int i = 0; i < 5; ++i) ASSERT_EQ(Doc().Undo(), Status::kDone) << i;
  EXPECT_EQ(Image(Doc()), start);
}

TEST_F(WorldChanges, UndoingACellOfAnotherPlaneMakesThatPlaneCurrentAgain) {
  ASSERT_EQ(Doc().SetTile(2, 2, kEmptyTile), 1);
  Doc().SelectPlane(World().Plane(1));
  EXPECT_TRUE(Doc().UndoStack()->CanUndo());
  ASSERT_EQ(Doc().Undo(), Status::kDone);
  EXPECT_EQ(Doc().CurrentPlane(), World().Plane(0));
  EXPECT_EQ(Doc().GetTile(2, 2), MakeTile(0, 2));
}

TEST_F(WorldChanges, TheByteBudgetDropsTheOldestSteps) {
  std::vector<std::vector<uint8_t>> images{Image(Doc())};
  for (int32_t value = 0; value < 6; ++value) {
    test::Change change(Doc(), ChangeScope::Objects(&Current()));
    Current().NewObject(0)->m_logic = std::string(600, char('a' + value));
  }
  const size_t perStep = Doc().UndoStack()->Bytes() / 6;
  Doc().UndoStack()->SetByteBudget(perStep * 5 / 2);
  EXPECT_EQ(Doc().UndoStack()->UndoCount(), 2u);
  EXPECT_LE(Doc().UndoStack()->Bytes(), Doc().UndoStack()->ByteBudget());
  while (Doc().Undo() == Status::kDone) {
  }
  EXPECT_EQ(Current().ObjectCount(), 3u + 4u);
}

TEST(WorldChange, AFillOfAHugePlaneIsKeptSmallAndRestoresEveryCell) {
  CWorld world;
  world.SetViewRect(CRect{0, 0, 639, 479});
  CPlane& plane = *world.AddPlane("Huge", 4096, 4096, 16, 16);
  // Rows of a repeating pattern, as a painted level has.
  int32_t* cells = plane.LoadingTiles().data();
  for (size_t i = 0; i < 4096; ++i) cells[i] = MakeTile(0, uint32_t(i % 7));
  for (size_t row = 1; row < 4096; ++row) std::copy(cells, cells + 4096, cells + row * 4096);
  const std::vector<int32_t> old(plane.Tiles().begin(), plane.Tiles().end());
  WorldProperties properties;
  CWorldChange change(world, properties, ChangeScope::Cells(&plane), &plane);
  FillPlane(plane, kColourTile);
  ASSERT_EQ(change.Finish(world, properties, &plane), CWorldChange::Outcome::kChanged);
  EXPECT_LT(change.Bytes(), size_t(2) << 20) << "the grid is 64 MiB";
  CGameObject* selected = nullptr;
  ASSERT_TRUE(change.Restore(world, properties, nullptr, false, selected));
  EXPECT_TRUE(std::equal(old.data(), old.data() + old.size(), plane.Tiles().data()));
}

std::vector<int32_t> Cells(const CPlane& plane) { return {plane.Tiles().begin(), plane.Tiles().end()}; }

// A 100 × 50 plane (five blocks of cells) with no two neighbours alike.
struct PatternedPlane {
  CWorld world;
  WorldProperties properties;
  CPlane* plane;
  PatternedPlane() {
    world.SetViewRect(CRect{0, 0, 639, 479});
    plane = world.AddPlane("Ground", 100, 50, 16, 16);
    std::span<int32_t> cells = plane->LoadingTiles();
    for (size_t i = 0; i < cells.size(); ++i) cells[i] = MakeTile(0, uint32_t(i % 13));
  }
  bool Restore(CWorldChange& change, bool after) {
    CGameObject* selected = nullptr;
    return change.Restore(world, properties, nullptr, after, selected);
  }
};

TEST(WorldChange, GridEditsUndoAndRedoExactlyAndNameTheCellsTheyChanged) {
  const struct {
    const char* label;
    std::function<void(CPlane&)> edit;
    CRect changed;
  } rows[] = {
      {"one cell", [](CPlane& p) { p.SetTile(37, 20, kEmptyTile); }, {37, 20, 37, 20}},
      {"3 x 3 block copy", [](CPlane& p) { p.BlockCopy(1, 1, 60, 30, 3, 3); }, {60, 30, 62, 32}},
      {"replace", [](CPlane& p) {
         p.SetTile(10, 3, kColourTile);
         p.SetTile(70, 41, kColourTile);
         ReplaceTiles(p, kColourTile, kEmptyTile);
       }, {10, 3, 70, 41}},
      {"cells of two rows, written twice", [](CPlane& p) {
         p.SetTile(98, 9, kEmptyTile);
         p.BlockCopy(0, 0, 95, 9, 4, 2);
         p.SetTile(2, 10, p.GetTile(2, 10));
       }, {95, 9, 98, 10}},
      {"fill, then a cell of a filled block", [](CPlane& p) {
         FillPlane(p, kColourTile);
         p.SetTile(50, 25, kEmptyTile);
       }, {0, 0, 99, 49}},
      {"a cell, then a resize", [](CPlane& p) {
         p.SetTile(3, 45, kEmptyTile);
         p.Resize(120, 40);
       }, {0, 0, 119, 49}},
  };
  for (const auto& row : rows) {
    PatternedPlane t;
    const std::vector<int32_t> before = Cells(*t.plane);
    CWorldChange change(t.world, t.properties, ChangeScope::Cells(t.plane), t.plane);
    row.edit(*t.plane);
    const std::vector<int32_t> after = Cells(*t.plane);
    const std::pair<int32_t, int32_t> size{t.plane->Width(), t.plane->Height()};
    ASSERT_EQ(change.Finish(t.world, t.properties, t.plane), CWorldChange::Outcome::kChanged) << row.label;
    EXPECT_EQ(change.Notice().cellsPlane, t.plane) << row.label;
    const CRect& cells = change.Notice().cells;
    EXPECT_EQ(cells, row.changed) << row.label << ": " << cells.left << "," << cells.top << " - " << cells.right << ","
                                  << cells.bottom;
    for (int round = 0; round < 2; ++round) {
      ASSERT_TRUE(t.Restore(change, false)) << row.label;
      EXPECT_EQ(Cells(*t.plane), before) << row.label;
      EXPECT_EQ(t.plane->Width(), 100) << row.label;
      ASSERT_TRUE(t.Restore(change, true)) << row.label;
      EXPECT_EQ(Cells(*t.plane), after) << row.label;
      EXPECT_EQ(std::make_pair(t.plane->Width(), t.plane->Height()), size) << row.label;
    }
  }
}

TEST(WorldChange, ARestoreThatCannotBeCarriedOutChangesNothing) {
  PatternedPlane t;
  t.world.AddPlane("Sky", 4, 4, 16, 16);
  ChangeScope scope = ChangeScope::Planes();
  scope.cells = t.plane;
  CWorldChange change(t.world, t.properties, scope, t.plane);
  t.plane->Resize(90, 40);
  t.world.MovePlane(0, 1);
  t.plane->SetName("Moved");
  ASSERT_EQ(change.Finish(t.world, t.properties, t.plane), CWorldChange::Outcome::kChanged);
  // The grid is no longer the size the step left: undoing the stack alone would tear the world.
  t.plane->Resize(80, 40);
  std::vector<uint8_t> image, now;
  ASSERT_TRUE(BuildWorldFileImage(t.world, t.properties, image));
  EXPECT_FALSE(t.Restore(change, false));
  ASSERT_TRUE(BuildWorldFileImage(t.world, t.properties, now));
  EXPECT_TRUE(now == image);
}

TEST(WorldChange, AnActionThatChangesWhatItsScopeLeavesOutIsCaught) {
#ifdef NDEBUG
  GTEST_SKIP() << "the scope check runs in debug and test builds only";
#endif
  std::vector<std::string> caught;
  const ScopeViolationHandler previous = SetScopeViolationHandler([&caught](const std::string& what) {
    caught.push_back(what);
  });
  const struct {
    std::function<ChangeScope(CPlane& ground, CPlane& sky)> scope;
    std::function<void(PatternedPlane&, CPlane& sky)> act;
    const char* caught;  // "" for none
  } rows[] = {
      {[](CPlane& ground, CPlane&) { return ChangeScope::Cells(&ground); },
       [](PatternedPlane& t, CPlane&) { FillPlane(*t.plane, kEmptyTile); }, ""},
      {[](CPlane& ground, CPlane&) { return ChangeScope::Cells(&ground); },
       [](PatternedPlane&, CPlane& sky) { sky.SetTile(1, 1, kColourTile); }, "the cells of plane \"Sky\""},
      {[](CPlane& ground, CPlane&) { return ChangeScope::Objects(&ground); },
       [](PatternedPlane&, CPlane& sky) { sky.NewObject(0); }, "the objects of plane \"Sky\""},
      {[](CPlane&, CPlane& sky) { return ChangeScope::Cells(&sky); },
       [](PatternedPlane& t, CPlane&) { t.world.MovePlane(0, 1); }, "the plane stack or a plane's settings"},
      {[](CPlane&, CPlane&) { return ChangeScope::Planes(); },
       [](PatternedPlane& t, CPlane&) { t.properties.name = "Renamed"; }, "the world's header"},
      {[](CPlane&, CPlane&) { return ChangeScope::Header(); },
       [](PatternedPlane& t, CPlane&) { t.world.SetAttribute(0, std::make_unique<CSingleAttrib>(16, 16, 7)); },
       "the tile attribute table"},
  };
  for (const auto& row : rows) {
    PatternedPlane t;
    CPlane& sky = *t.world.AddPlane("Sky", 4, 4, 16, 16);
    caught.clear();
    CWorldChange change(t.world, t.properties, row.scope(*t.plane, sky), t.plane);
    row.act(t, sky);
    change.Finish(t.world, t.properties, t.plane);
    EXPECT_EQ(caught, std::string(row.caught).empty() ? std::vector<std::string>{} : std::vector<std::string>{row.caught});
  }
  SetScopeViolationHandler(previous);
}

TEST(WorldChange, RandomRunsOfGridWritesUndoExactlyAndBoundWhatTheyChanged) {
  std::mt19937 random(16);
  const auto pick = [&random](int32_t low, int32_t high) {
    return std::uniform_int_distribution<int32_t>(low, high)(random);
  };
  // Widths that split blocks mid-row and rows across blocks; the last block is partial.
  for (const auto& [width, height] : {std::pair{37, 61}, std::pair{1500, 3}, std::pair{1, 2100}}) {
    for (int trial = 0; trial < 40; ++trial) {
      CWorld world;
      world.SetViewRect(CRect{0, 0, 639, 479});
      CPlane& plane = *world.AddPlane("P", width, height, 16, 16);
      std::span<int32_t> cells = plane.LoadingTiles();
      for (size_t i = 0; i < cells.size(); ++i) cells[i] = MakeTile(0, uint32_t(pick(0, 3)));
      const std::vector<int32_t> before = Cells(plane);
      WorldProperties properties;
      CWorldChange change(world, properties, ChangeScope::Cells(&plane), &plane);
      for (int step = pick(1, 6); step > 0; --step) {
        switch (pick(0, 3)) {
          case 0: plane.SetTile(pick(0, width - 1), pick(0, height - 1), MakeTile(0, uint32_t(pick(0, 5)))); break;
          case 1: plane.BlockCopy(pick(-3, width), pick(-3, height), pick(-3, width), pick(-3, height), pick(1, 40),
                                  pick(1, 40));
            break;
          case 2: ReplaceTiles(plane, MakeTile(0, uint32_t(pick(0, 5))), MakeTile(0, uint32_t(pick(0, 5)))); break;
          case 3: FillPlane(plane, MakeTile(0, uint32_t(pick(0, 1)))); break;
        }
      }
      const std::vector<int32_t> after = Cells(plane);
      CRect bounds{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
      for (size_t i = 0; i < before.size(); ++i) {
        if (before[i] == after[i]) continue;
        const int32_t c = int32_t(i % size_t(width)), r = int32_t(i / size_t(width));
        bounds = {std::min(bounds.left, c), std::min(bounds.top, r), std::max(bounds.right, c), std::max(bounds.bottom, r)};
      }
      const auto outcome = change.Finish(world, properties, &plane);
      const std::string label = std::to_string(width) + " x " + std::to_string(height) + " #" + std::to_string(trial);
      ASSERT_EQ(outcome, before == after ? CWorldChange::Outcome::kUnchanged : CWorldChange::Outcome::kChanged) << label;
      if (before == after) continue;
      const CRect& noticed = change.Notice().cells;
      EXPECT_TRUE(noticed.left <= bounds.left && noticed.top <= bounds.top && noticed.right >= bounds.right &&
                  noticed.bottom >= bounds.bottom && noticed.right < width && noticed.bottom < height)
          << label;
      CGameObject* selected = nullptr;
      ASSERT_TRUE(change.Restore(world, properties, nullptr, false, selected)) << label;
      ASSERT_EQ(Cells(plane), before) << label;
      ASSERT_TRUE(change.Restore(world, properties, nullptr, true, selected)) << label;
      ASSERT_EQ(Cells(plane), after) << label;
    }
  }
}

TEST(WorldChange, ASmallEditOfAHugePlaneKeepsLittle) {
  CWorld world;
  world.SetViewRect(CRect{0, 0, 639, 479});
  CPlane& plane = *world.AddPlane("Huge", 4096, 4096, 16, 16);
  WorldProperties properties;
  CWorldChange change(world, properties, ChangeScope::Cells(&plane), &plane);
  plane.SetTile(5, 5, MakeTile(0, 1));
  plane.BlockCopy(4, 4, 4000, 4000, 3, 3);
  ASSERT_EQ(change.Finish(world, properties, &plane), CWorldChange::Outcome::kChanged);
  EXPECT_LT(change.Bytes(), size_t(2048)) << "the grid is 64 MiB";
  EXPECT_EQ(change.Notice().cells, (CRect{5, 5, 4001, 4001}));
}

}  // namespace
}  // namespace vyr
