// CWorldChange: the before and after of the parts of a world one user action touched,
// kept compactly, so that the action can be taken back and made again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "world/change_recorder.h"
#include "world/document_observer.h"
#include "world/undo_stack.h"
#include "world/world_host.h"

namespace vyr {

class CGameObject;
class CImageSetTable;
class CPlane;
class CScopeCheck;
class CWorld;

// What an action may change. Planes are named by identity: a plane taken out of the
// world by an undo lives on in the change that took it, so the pointers stay valid.
struct ChangeScope {
  const CPlane* cells = nullptr;    // the plane whose grid (and grid size) may change
  const CPlane* objects = nullptr;  // the plane whose object list may change
  bool planes = false;              // which planes, their order, every plane's settings, the object plane
  bool header = false;              // the world's properties
  bool attributes = false;          // the tile attribute table

  static ChangeScope Cells(const CPlane* plane) { return {plane, nullptr, false, false, false}; }
  static ChangeScope Objects(const CPlane* plane) { return {nullptr, plane, false, false, false}; }
  static ChangeScope Planes() { return {nullptr, nullptr, true, false, false}; }
  static ChangeScope Header() { return {nullptr, nullptr, false, true, false}; }
  static ChangeScope Attributes() { return {nullptr, nullptr, false, false, true}; }
  // Nothing the change itself records: single cells written through the document's
  // SetTile, each its own step.
  static ChangeScope SingleCells() { return {}; }
  bool Empty() const { return !cells && !objects && !planes && !header && !attributes; }
};

class CWorldChange {
 public:
  // Captures the parts of `scope` as they are now; `current` is the current plane.
  CWorldChange(const CWorld& world, const WorldProperties& properties, const ChangeScope& scope,
               const CPlane* current);
  ~CWorldChange();
  CWorldChange(const CWorldChange&) = delete;
  CWorldChange& operator=(const CWorldChange&) = delete;

  using Outcome = ChangeOutcome;
  // Captures the same parts after the action and keeps only what differs. In debug and
  // test builds it first checks that nothing outside the scope changed (see
  // change_scope_check.h).
  Outcome Finish(const CWorld& world, const WorldProperties& properties, const CPlane* current);

  // Puts the parts back as they were before (after = false) or after the action. A
  // `selected` object that is replaced becomes the restored object of its id, or null;
  // without a selection, an object whose id came back (an undone removal) is selected.
  // False, changing nothing, when any part cannot be put back (say, the world no longer
  // holds the planes the change names).
  bool Restore(CWorld& world, WorldProperties& properties, const CImageSetTable* imageSets, bool after,
               CGameObject*& selected);
  // Makes `later`, an object change of the same objects right after this one, part of this
  // change; false, changing nothing, for any other pair.
  bool Absorb(CWorldChange& later);
  // Keeps a plane the action took out of the world, for undo to put back.
  void Park(std::unique_ptr<CPlane> plane);
  // The action switched the view's "Bez Obrazów" from `before` (a new tile size does):
  // undo and redo switch it back and forth with the world.
  void NoteNoImagesSwitch(bool before) { m_noImagesBefore = before; }
  // The "Bez Obrazów" state before or after the action, when the action switched it.
  std::optional<bool> NoImages(bool after) const {
    if (!m_noImagesBefore) return std::nullopt;
    return after ? !*m_noImagesBefore : *m_noImagesBefore;
  }
  // What differs between the two states (after Finish returned kChanged); an undo and a
  // redo change the same.
  const ChangeNotice& Notice() const { return m_notice; }
  // The plane that was current before or after the action.
  CPlane* CurrentPlane(bool after) const { return m_current[after ? 1 : 0]; }
  // Memory held, for the undo stack's budget.
  size_t Bytes() const;

 private:
  // In the order they apply: a grid takes its size before its plane's tile size is checked against it.
  std::vector<std::unique_ptr<IChangeRecorder>> m_recorders;
  CPlane* m_current[2] = {nullptr, nullptr};
  // Planes the world does not hold in the state it is in now.
  std::vector<std::unique_ptr<CPlane>> m_parked;
  std::unique_ptr<CScopeCheck> m_scopeCheck;
  std::optional<bool> m_noImagesBefore;
  ChangeNotice m_notice;
};

// One user action on the world as one undo step.
class CWorldChangeEntry final : public CUndoEntry {
 public:
  // Entries with the same non-null `series` (say, the object being nudged) may become one.
  CWorldChangeEntry(std::unique_ptr<CWorldChange> change, const UndoViewState& view, bool wasModified,
                    uint64_t changeCount, const void* series = nullptr)
      : CUndoEntry(view, wasModified, changeCount), m_change(std::move(change)), m_series(series) {}

  bool Undo(IUndoTarget& target) override { return target.ApplyWorldChange(*m_change, false); }
  bool Redo(IUndoTarget& target) override { return target.ApplyWorldChange(*m_change, true); }
  size_t Bytes() const override { return sizeof(*this) + m_change->Bytes(); }
  bool Absorb(CUndoEntry& later) override {
    auto* next = dynamic_cast<CWorldChangeEntry*>(&later);
    return next && m_series && next->m_series == m_series && m_change->Absorb(*next->m_change);
  }

 private:
  std::unique_ptr<CWorldChange> m_change;
  const void* m_series;
};

// Compresses bytes for keeping (zlib, fastest level); empty on failure.
std::vector<uint8_t> PackBytes(const uint8_t* data, size_t size);
// Expands what PackBytes made into exactly `size` bytes; false when it does not fit.
bool UnpackBytes(const std::vector<uint8_t>& packed, uint8_t* out, size_t size);

}  // namespace vyr
