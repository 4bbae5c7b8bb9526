// The document's undo stack: entries behind one interface, a count limit, a memory budget,
// and the change counter that decides whether undo may clear the modified mark.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string_view>

namespace vyr {

class CWorldChange;

// Bumped by the document for every change the stack does not record and by every save. An entry may restore "not modified"
// only while the counter still shows the value it had when the entry was pushed.
class ChangeCounter {
 public:
  uint64_t Value() const { return m_value; }
  void Bump() { ++m_value; }

 private:
  uint64_t m_value = 0;
};

// Where the view stood when the change was made; undo and redo return there.
struct UndoViewState {
  int32_t scrollX = 0;
  int32_t scrollY = 0;
  int32_t cursorColumn = 0;
  int32_t cursorRow = 0;
};

// What entries change. The document implements it so that its own routines (which mark,
// render and notify) do the writing; each kind of entry uses the operations it needs.
class IUndoTarget {
 public:
  virtual ~IUndoTarget() = default;
  // Writes one cell of the plane at `plane` without recording it; false when the plane or
  // cell no longer exists.
  virtual bool WriteTile(int32_t plane, int32_t column, int32_t row, int32_t value) = 0;
  // Puts the parts of the world `change` holds into their state before or after it.
  virtual bool ApplyWorldChange(CWorldChange& /*change*/, bool /*after*/) { return false; }
};

class CUndoEntry {
 public:
  CUndoEntry(const UndoViewState& view, bool wasModified, uint64_t changeCount)
      : m_view(view), m_wasModified(wasModified), m_changeCount(changeCount) {}
  virtual ~CUndoEntry() = default;
  CUndoEntry(const CUndoEntry&) = delete;
  CUndoEntry& operator=(const CUndoEntry&) = delete;

  // Puts back the state before the change; false when the target refused.
  virtual bool Undo(IUndoTarget& target) = 0;
  // Makes the change again; false when the target refused.
  virtual bool Redo(IUndoTarget& target) = 0;
  // Memory the entry holds, for the stack's budget; may change with each undo and redo.
  virtual size_t Bytes() const = 0;
  // Takes `later`, made right after this entry, into this one so both are one step; false
  // when the two do not continue each other.
  virtual bool Absorb(CUndoEntry& /*later*/) { return false; }

  const UndoViewState& View() const { return m_view; }
  bool WasModified() const { return m_wasModified; }
  uint64_t ChangeCount() const { return m_changeCount; }
  // The user action's name as "Cofnij" and "Ponów" show it, in the source language; names
  // are the program's static texts, so only the view of them is kept.
  std::string_view Name() const { return m_name; }
  void SetName(std::string_view name) { m_name = name; }

 private:
  UndoViewState m_view;
  std::string_view m_name;
  bool m_wasModified;
  uint64_t m_changeCount;
};

// One cell written by SetTile: the old value to undo to and the new one to redo.
class CTileUndoEntry final : public CUndoEntry {
 public:
  CTileUndoEntry(int32_t plane, int32_t column, int32_t row, int32_t oldValue, int32_t newValue,
                 const UndoViewState& view, bool wasModified, uint64_t changeCount)
      : CUndoEntry(view, wasModified, changeCount),
        m_plane(plane), m_column(column), m_row(row), m_oldValue(oldValue), m_newValue(newValue) {}

  bool Undo(IUndoTarget& target) override { return target.WriteTile(m_plane, m_column, m_row, m_oldValue); }
  bool Redo(IUndoTarget& target) override { return target.WriteTile(m_plane, m_column, m_row, m_newValue); }
  size_t Bytes() const override { return sizeof(*this); }
  // A later write of the same cell that starts from this one's value.
  bool Absorb(CUndoEntry& later) override {
    auto* next = dynamic_cast<CTileUndoEntry*>(&later);
    if (!next || next->m_plane != m_plane || next->m_column != m_column || next->m_row != m_row ||
        next->m_oldValue != m_newValue)
      return false;
    m_newValue = next->m_newValue;
    return true;
  }

  int32_t Plane() const { return m_plane; }
  int32_t Column() const { return m_column; }
  int32_t Row() const { return m_row; }
  int32_t OldValue() const { return m_oldValue; }

 private:
  int32_t m_plane, m_column, m_row, m_oldValue, m_newValue;
};

// How an undo or redo went, and what the document does next.
struct UndoOutcome {
  enum class Status {
    kEmpty,     // nothing to take back: the caller beeps
    kDisabled,  // the limit is 0 or less (resources not loaded): silently nothing
    kRefused,   // the target refused; the entry is gone
    kDone,
  };
  Status status = Status::kEmpty;
  // After kDone: the modified flag to set and where to put the view and cursor.
  bool modified = true;
  UndoViewState view;
};

class CUndoStack {
 public:
  static constexpr size_t kDefaultByteBudget = size_t(256) << 20;

  CUndoStack();
  ~CUndoStack();
  CUndoStack(const CUndoStack&) = delete;
  CUndoStack& operator=(const CUndoStack&) = delete;

  // The limit stays 0 until resources have been loaded.
  int32_t Limit() const { return m_limit; }
  // Drops the oldest entries that no longer fit.
  void SetLimit(int32_t limit);
  size_t ByteBudget() const { return m_byteBudget; }
  void SetByteBudget(size_t bytes);
  // Destroys every undo and redo entry.
  void Clear();

  // Adds the entry as the newest, drops the redo entries, then the oldest entries past the
  // limit or the byte budget; the newest entry always stays (one even at limit 0).
  void PushUndo(std::unique_ptr<CUndoEntry> entry);
  // Lets the newest entry absorb `later` (see CUndoEntry::Absorb); false, changing nothing,
  // without a newest entry, while a redo is pending, or when it refuses.
  bool MergeIntoNewest(CUndoEntry& later);
  bool CanUndo() const { return !m_undo.empty(); }
  bool CanRedo() const { return !m_redo.empty(); }
  size_t UndoCount() const { return m_undo.size(); }
  size_t RedoCount() const { return m_redo.size(); }
  size_t Bytes() const { return m_bytes; }
  const CUndoEntry* Newest() const { return m_undo.empty() ? nullptr : m_undo.back().get(); }
  // The step the next redo makes again, or null.
  const CUndoEntry* NextRedo() const { return m_redo.empty() ? nullptr : m_redo.back().get(); }

  // Takes back the newest entry. The modified flag comes back as the entry saw it only
  // when `changes` has not moved since the push; otherwise the document stays modified.
  UndoOutcome Undo(IUndoTarget& target, const ChangeCounter& changes);
  // Makes the last undone change again; the document is then modified.
  UndoOutcome Redo(IUndoTarget& target);

 private:
  void Trim();

  std::deque<std::unique_ptr<CUndoEntry>> m_undo;  // newest at the back
  std::deque<std::unique_ptr<CUndoEntry>> m_redo;  // next to redo at the back
  size_t m_bytes = 0;
  size_t m_byteBudget = kDefaultByteBudget;
  int32_t m_limit = 0;
};

}  // namespace vyr
