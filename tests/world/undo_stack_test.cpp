// Tests of the undo stack: the modified mark against the change counter, the limit and
// byte budget, refusals, and undo / redo round trips.
#include "world/undo_stack.h"

#include <gtest/gtest.h>

#include <string>

#include "world/plane.h"

namespace vyr {
namespace {

using Status = UndoOutcome::Status;

// The document's side, reduced to what the stack touches: one plane, the modified flag
// and the change counter, with SetTile recording as the document's does.
struct Doc : IUndoTarget {
  CPlane plane;
  CUndoStack stack;
  ChangeCounter changes;
  bool modified = false;
  bool refuse = false;

  Doc() {
    plane.Create(4, 4, 16, 16, CRect{0, 0, 63, 63});
    stack.SetLimit(1000);
  }
  bool WriteTile(int32_t index, int32_t column, int32_t row, int32_t value) override {
    return !refuse && index == 0 && plane.SetTile(column, row, value);
  }
  void Edit(int32_t column, int32_t value, UndoViewState view = {}) {
    const int32_t old = plane.GetTile(column, 0);
    if (old == value) return;
    stack.PushUndo(std::make_unique<CTileUndoEntry>(0, column, 0, old, value, view, modified, changes.Value()));
    plane.SetTile(column, 0, value);
    modified = true;
  }
  UndoOutcome Undo() {
    UndoOutcome outcome = stack.Undo(*this, changes);
    if (outcome.status == Status::kDone) modified = outcome.modified;
    return outcome;
  }
};

TEST(UndoModifiedMark, ComesBackOnlyWhenNothingUnrecordedHappenedSinceThePush) {
  // e: a recorded edit, b: an unrecorded change (block copy, fill, ...), s: a save,
  // u: undo, r: redo.
  struct Case {
    const char* script;
    bool modified;
  } cases[] = {
      {"eu", false},  {"seu", false}, {"eeuu", false}, {"seseuu", true},
      {"esu", true},  {"ebu", true},  {"eur", true},   {"euru", false},
  };
  for (const Case& c : cases) {
    Doc doc;
    int32_t next = 1;
    for (const char* step = c.script; *step; ++step) {
      switch (*step) {
        case 'e': doc.Edit(0, next++); break;
        case 'b': doc.changes.Bump(); doc.modified = true; break;
        case 's': doc.changes.Bump(); doc.modified = false; break;
        case 'u': ASSERT_EQ(doc.Undo().status, Status::kDone) << c.script; break;
        case 'r': {
          const UndoOutcome outcome = doc.stack.Redo(doc);
          ASSERT_EQ(outcome.status, Status::kDone) << c.script;
          doc.modified = outcome.modified;
          break;
        }
      }
    }
    EXPECT_EQ(doc.modified, c.modified) << c.script;
  }
}

TEST(UndoStack, KeepsTheNewestEntriesWithinLimitAndBudget) {
  const size_t entry = sizeof(CTileUndoEntry);
  struct Case {
    int32_t limit;
    size_t budget;
    int pushes;
    size_t kept;
  } cases[] = {
      {1000, CUndoStack::kDefaultByteBudget, 1001, 1000},
      {0, CUndoStack::kDefaultByteBudget, 3, 1},
      {-5, CUndoStack::kDefaultByteBudget, 3, 1},
      {1000, 3 * entry, 5, 3},
      {1000, 0, 2, 1},
  };
  for (const Case& c : cases) {
    Doc doc;
    doc.stack.SetLimit(c.limit);
    doc.stack.SetByteBudget(c.budget);
    for (int i = 1; i <= c.pushes; ++i) doc.Edit(0, i);
    EXPECT_EQ(doc.stack.UndoCount(), c.kept) << c.limit << " " << c.budget;
    EXPECT_EQ(doc.stack.Bytes(), c.kept * entry);
    // The newest entry is the one kept: it takes back the last edit.
    EXPECT_EQ(static_cast<const CTileUndoEntry*>(doc.stack.Newest())->OldValue(), c.pushes - 1);
  }
}

TEST(UndoStack, ThousandAndOneEditsGiveAThousandUndosThenNothing) {
  Doc doc;
  for (int i = 1; i <= 1001; ++i) doc.Edit(0, i);
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(doc.Undo().status, Status::kDone) << i;
  EXPECT_EQ(doc.Undo().status, Status::kEmpty);
  // The oldest edit fell off the stack and stays.
  EXPECT_EQ(doc.plane.GetTile(0, 0), 1);
}

TEST(UndoStack, UndoAndRedoRoundTripWithTheirViewState) {
  Doc doc;
  doc.Edit(1, 7, UndoViewState{64, 128, 1, 0});
  doc.Edit(2, 9, UndoViewState{0, 32, 2, 0});
  UndoOutcome outcome = doc.Undo();
  EXPECT_EQ(outcome.view.scrollY, 32);
  EXPECT_EQ(doc.plane.GetTile(2, 0), kEmptyTile);
  outcome = doc.stack.Redo(doc);
  ASSERT_EQ(outcome.status, Status::kDone);
  EXPECT_EQ(outcome.view.cursorColumn, 2);
  EXPECT_EQ(doc.plane.GetTile(2, 0), 9);
  // A new edit drops what could be redone.
  doc.Undo();
  doc.Edit(3, 5);
  EXPECT_FALSE(doc.stack.CanRedo());
  EXPECT_EQ(doc.stack.Bytes(), 2 * sizeof(CTileUndoEntry));
  EXPECT_EQ(doc.stack.Redo(doc).status, Status::kEmpty);
}

TEST(UndoStack, RefusalsAndTheDisabledStackChangeNothingElse) {
  Doc doc;
  doc.Edit(0, 4);
  doc.Edit(0, 5);
  doc.refuse = true;
  EXPECT_EQ(doc.Undo().status, Status::kRefused);
  EXPECT_EQ(doc.stack.UndoCount(), 1u);
  EXPECT_EQ(doc.stack.Bytes(), sizeof(CTileUndoEntry));
  EXPECT_FALSE(doc.stack.CanRedo());
  doc.refuse = false;
  doc.stack.SetLimit(0);
  EXPECT_EQ(doc.Undo().status, Status::kDisabled);
  EXPECT_EQ(doc.plane.GetTile(0, 0), 5);
  doc.stack.Clear();
  EXPECT_EQ(doc.stack.Bytes(), 0u);
  EXPECT_EQ(doc.Undo().status, Status::kEmpty);
}

}  // namespace
}  // namespace vyr
