// The undo stack: pushing with the count limit and byte budget, undo, redo and the
// modified-flag rule.
#include "world/undo_stack.h"

namespace vyr {

CUndoStack::CUndoStack() = default;
CUndoStack::~CUndoStack() = default;

void CUndoStack::SetLimit(int32_t limit) {
  m_limit = limit;
  Trim();
}

void CUndoStack::SetByteBudget(size_t bytes) {
  m_byteBudget = bytes;
  Trim();
}

void CUndoStack::Clear() {
  m_undo.clear();
  m_redo.clear();
  m_bytes = 0;
}

void CUndoStack::PushUndo(std::unique_ptr<CUndoEntry> entry) {
  if (!entry) return;
  for (const auto& undone : m_redo) m_bytes -= undone->Bytes();
  m_redo.clear();
  m_bytes += entry->Bytes();
  m_undo.push_back(std::move(entry));
  Trim();
}

bool CUndoStack::MergeIntoNewest(CUndoEntry& later) {
  if (m_undo.empty() || !m_redo.empty()) return false;
  const size_t before = m_undo.back()->Bytes();
  if (!m_undo.back()->Absorb(later)) return false;
  m_bytes = m_bytes - before + m_undo.back()->Bytes();
  Trim();
  return true;
}

void CUndoStack::Trim() {
  const size_t limit = m_limit > 0 ? size_t(m_limit) : 1;
  while (m_undo.size() > 1 && (m_undo.size() > limit || m_bytes > m_byteBudget)) {
    m_bytes -= m_undo.front()->Bytes();
    m_undo.pop_front();
  }
  // Redo entries are newer than any undo entry, but an undo step is worth more to keep.
  while (!m_redo.empty() && m_bytes > m_byteBudget) {
    m_bytes -= m_redo.front()->Bytes();
    m_redo.pop_front();
  }
}

UndoOutcome CUndoStack::Undo(IUndoTarget& target, const ChangeCounter& changes) {
  UndoOutcome outcome;
  if (m_undo.empty()) return outcome;
  if (m_limit <= 0) {
    outcome.status = UndoOutcome::Status::kDisabled;
    return outcome;
  }
  std::unique_ptr<CUndoEntry> entry = std::move(m_undo.back());
  m_undo.pop_back();
  m_bytes -= entry->Bytes();
  if (!entry->Undo(target)) {
    outcome.status = UndoOutcome::Status::kRefused;
    return outcome;
  }
  outcome.status = UndoOutcome::Status::kDone;
  outcome.modified = entry->WasModified() || entry->ChangeCount() != changes.Value();
  outcome.view = entry->View();
  m_bytes += entry->Bytes();
  m_redo.push_back(std::move(entry));
  Trim();
  return outcome;
}

UndoOutcome CUndoStack::Redo(IUndoTarget& target) {
  UndoOutcome outcome;
  if (m_redo.empty()) return outcome;
  std::unique_ptr<CUndoEntry> entry = std::move(m_redo.back());
  m_redo.pop_back();
  m_bytes -= entry->Bytes();
  if (!entry->Redo(target)) {
    outcome.status = UndoOutcome::Status::kRefused;
    return outcome;
  }
  outcome.status = UndoOutcome::Status::kDone;
  outcome.view = entry->View();
  m_bytes += entry->Bytes();
  m_undo.push_back(std::move(entry));
  Trim();
  return outcome;
}

}  // namespace vyr
