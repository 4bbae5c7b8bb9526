// CWorldDoc's tile writes and undo: the grid bounds, unchanged writes, the undo limit, and
// what undo puts back (cell, modified mark, scroll, cursor).
#include <gtest/gtest.h>

#include "world/document_fixture.h"
#include "world/plane.h"
#include "world/undo_stack.h"
#include "world/world_doc.h"

namespace vyr {
namespace {

using Status = UndoOutcome::Status;

struct CellObserver final : IDocumentObserver {
  void WorldChanged(const ChangeNotice& notice) override {
    if (notice.cellsPlane) changed.push_back(notice.cells);
  }
  void CurrentImageChanged(int32_t image) override { images.push_back(image); }
  std::vector<CRect> changed;
  std::vector<int32_t> images;
};

struct DocTiles : ::testing::Test {
  void SetUp() override {
    test::WriteArchive(folder / "data.rez", test::StandardArchive());
    path = folder / "w.vwd";
    // A 4 x 3 plane; cell (c, r) holds image c % 3 of set 0.
    test::WriteWorld(path, test::StandardProperties(folder / "data.rez"), {{"Ground", 1}});
    ASSERT_TRUE(rig.doc.OnOpenDocument(path)) << rig.doc.FailureReason();
    rig.doc.AddObserver(&observer);
  }
  void TearDown() override { rig.doc.RemoveObserver(&observer); }
  size_t UndoCount() const { return rig.doc.UndoStack()->UndoCount(); }

  test::TempFolder folder;
  std::string path;
  test::DocumentRig rig;
  CellObserver observer;
};

TEST_F(DocTiles, WritesInsideTheGridOnlyAndUnchangedValuesLeaveNoTrace) {
  CWorldDoc& doc = rig.doc;
  struct Case {
    int32_t column, row, value;
    int result;
    bool recorded;
  } cases[] = {
      {4, 0, 7, 0, false},   // column = width
      {0, 3, 7, 0, false},   // row = height
      {-1, 0, 7, 0, false},
      {1, 0, MakeTile(0, 1), 1, false},  // already holds image 1
      {3, 2, kColourTile, 1, true},      // last cell
  };
  for (const Case& c : cases) {
    const size_t before = UndoCount();
    const size_t notices = observer.changed.size();
    EXPECT_EQ(doc.SetTile(c.column, c.row, c.value), c.result) << c.column << "," << c.row;
    EXPECT_EQ(UndoCount() - before, c.recorded ? 1u : 0u) << c.column << "," << c.row;
    EXPECT_EQ(doc.IsModified(), c.recorded) << c.column << "," << c.row;
    EXPECT_EQ(observer.changed.size() - notices, c.recorded ? 1u : 0u);
  }
  EXPECT_EQ(doc.GetTile(3, 2), kColourTile);
  EXPECT_EQ(observer.changed.back(), (CRect{3, 2, 3, 2}));
  EXPECT_EQ(doc.GetTile(4, 0), kEmptyTile);
}

TEST_F(DocTiles, TheLimitKeepsTheNewestThousandEditsThenUndoBeepsOnEmpty) {
  CWorldDoc& doc = rig.doc;
  ASSERT_EQ(doc.UndoStack()->Limit(), CWorldDoc::kUndoLimit);
  const int32_t original = doc.GetTile(0, 0);
  for (int32_t i = 1; i <= 1001; ++i) ASSERT_EQ(doc.SetTile(0, 0, MakeTile(0, uint32_t(i % 2 ? 2 : 3))), 1);
  int undos = 0;
  while (doc.Undo() == Status::kDone) ++undos;
  EXPECT_EQ(undos, 1000);
  EXPECT_EQ(doc.Undo(), Status::kEmpty);
  // The oldest edit is not taken back.
  EXPECT_NE(doc.GetTile(0, 0), original);
}

TEST_F(DocTiles, UndoPutsBackTheCellScrollCursorAndModifiedMark) {
  CWorldDoc& doc = rig.doc;
  rig.view.SetScroll(16, 32);
  rig.view.MoveCursorTo(2, 1);
  ASSERT_EQ(doc.SetTileAtCursor(kEmptyTile), 1);
  EXPECT_EQ(doc.GetTile(2, 1), kEmptyTile);
  rig.view.SetScroll(0, 0);
  rig.view.MoveCursorTo(0, 0);
  rig.view.m_log.clear();

  ASSERT_EQ(doc.Undo(), Status::kDone);
  EXPECT_EQ(doc.GetTile(2, 1), MakeTile(0, 2));
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(rig.view.ScrollX(), 16);
  EXPECT_EQ(rig.view.ScrollY(), 32);
  EXPECT_EQ(rig.view.CursorColumn(), 2);
  EXPECT_EQ(rig.view.CursorRow(), 1);
  EXPECT_TRUE(rig.view.Logged("resize"));
  EXPECT_TRUE(rig.view.Logged("refresh"));
}

TEST_F(DocTiles, UndoKeepsTheModifiedMarkOverUnrecordedChangesAndSaves) {
  // e: a recorded edit, n: an unrecorded change, s: a save, u: undo.
  struct Case {
    const char* script;
    bool modified;
  } cases[] = {{"eu", false}, {"seu", false}, {"enu", true}, {"esu", true}, {"eeuu", false}};
  for (const Case& c : cases) {
    ASSERT_TRUE(rig.doc.OnOpenDocument(path));
    int32_t next = 1;  // the cell holds image 0
    for (const char* step = c.script; *step; ++step) {
      switch (*step) {
        case 'e': rig.doc.SetTile(3, 0, MakeTile(0, uint32_t(next++))); break;
        case 'n': rig.doc.MarkChangedWithoutStep(); break;
        case 's': ASSERT_TRUE(rig.doc.DoSave(folder / "saved.vwd")); break;
        case 'u': ASSERT_EQ(rig.doc.Undo(), Status::kDone) << c.script; break;
      }
    }
    EXPECT_EQ(rig.doc.IsModified(), c.modified) << c.script;
  }
}

TEST_F(DocTiles, CurrentTileSelectionTellsObserversAndChecksTheSet) {
  CWorldDoc& doc = rig.doc;
  doc.SelectImage(3);
  doc.SelectSet(0);
  EXPECT_EQ(observer.images, (std::vector<int32_t>{3, 3}));
  EXPECT_TRUE(doc.HasCurrentImage());
  EXPECT_TRUE(doc.ImageExists(-1));
  EXPECT_FALSE(doc.ImageExists(4));
  doc.SelectSet(1);  // no such slot
  EXPECT_FALSE(doc.ImageExists(0));
}

}  // namespace
}  // namespace vyr
