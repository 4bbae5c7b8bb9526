// Undo steps for whole actions: each kind of change undone and redone byte for byte through
// the world writer, the state the document is left in, the memory budget, and a compact fill.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

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
      ScopedChange change(Doc(), row.scope(*this));
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
  { ScopedChange change(Doc(), ChangeScope::Objects(&Current())); }
  EXPECT_EQ(Doc().UndoStack()->UndoCount(), 0u);
  {
    ScopedChange outer(Doc(), ChangeScope::Cells(&Current()));
    ScopedChange inner(Doc(), ChangeScope::Cells(&Current()));
    Doc().SetTile(0, 0, kEmptyTile);
    Doc().SetTile(1, 0, kEmptyTile);
    Doc().NoteUnrecordedChange();
  }
  EXPECT_EQ(Doc().UndoStack()->UndoCount(), 1u);
  ASSERT_EQ(Doc().Undo(), Status::kDone);
  EXPECT_EQ(Doc().GetTile(1, 0), MakeTile(0, 1));
  // The mark inside the step did not count as a change the step cannot take back.
  EXPECT_FALSE(Doc().IsModified());
}

TEST_F(WorldChanges, StepsOfOneSeriesFollowingEachOtherBecomeOne) {
  const std::vector<uint8_t> start = Image(Doc());
  CGameObject* first = Current().FirstObject();
  CGameObject* second = Current().NextObject(first, false);
  const auto nudge = [&](CGameObject* object, const void* series) {
    ScopedChange change(Doc(), ChangeScope::Objects(&Current()), series);
    object->MoveTo(object->m_x + 3, object->m_y);
  };
  nudge(first, first);
  nudge(first, first);
  nudge(first, first);
  EXPECT_EQ(Doc().UndoStack()->UndoCount(), 1u);
  nudge(second, second);  // another object: a step of its own
  Doc().NoteUnrecordedChange();
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
    ScopedChange change(Doc(), ChangeScope::Objects(&Current()));
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
  int32_t* cells = plane.Tiles().data();
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

}  // namespace
}  // namespace vyr
