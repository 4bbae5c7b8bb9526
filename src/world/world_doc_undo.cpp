// CWorldDoc: user actions recorded as undo steps, and undo and redo.
#include <utility>

#include "world/game_object.h"
#include "world/plane.h"
#include "world/view_port.h"
#include "world/world.h"
#include "world/world_doc.h"

namespace vyr {

void CWorldDoc::NoteUnrecordedChange() {
  // A recorded action marks the document when it ends, and only when the world differs then.
  if (Recording() && m_change) return;
  if (!Recording()) m_changes.Bump();
  SetModifiedFlag(true);
}

void CWorldDoc::BeginChange(const ChangeScope& scope, const void* series) {
  if (m_changeDepth++ > 0) return;
  m_changeRedraws = scope.planes;
  if (!m_world || !m_undo) return;
  m_changeSeries = series;
  m_changeView = m_view ? UndoViewState{m_view->ScrollX(), m_view->ScrollY(), m_view->CursorColumn(), m_view->CursorRow()}
                        : UndoViewState{};
  m_changeWasModified = IsModified();
  m_changeCount = m_changes.Value();
  m_changeNoImages = m_view && m_view->NoImages();
  m_change = std::make_unique<CWorldChange>(*m_world, m_properties, scope, m_currentPlane);
}

void CWorldDoc::EndChange() {
  if (m_changeDepth == 0 || --m_changeDepth > 0) return;
  RecordChange();
  // The view may show every plane ("Wszystkie Warstwy"): a changed stack is drawn at once.
  if (std::exchange(m_changeRedraws, false)) RenderWorld(1);
}

void CWorldDoc::RecordChange() {
  std::unique_ptr<CWorldChange> change = std::move(m_change);
  if (!change || !m_world || !m_undo) return;
  switch (change->Finish(*m_world, m_properties, m_currentPlane)) {
    case CWorldChange::Outcome::kUnchanged:
      return;
    case CWorldChange::Outcome::kChanged: {
      if (m_view && m_view->NoImages() != m_changeNoImages) change->NoteNoImagesSwitch(m_changeNoImages);
      auto entry = std::make_unique<CWorldChangeEntry>(std::move(change), m_changeView, m_changeWasModified,
                                                       m_changeCount, m_changeSeries);
      // A save or an unrecorded change in between keeps the steps apart.
      const CUndoEntry* newest = m_undo->Newest();
      if (!m_changeSeries || !newest || newest->ChangeCount() != m_changes.Value() || !m_undo->MergeIntoNewest(*entry))
        m_undo->PushUndo(std::move(entry));
      SetModifiedFlag(true);
      return;
    }
    case CWorldChange::Outcome::kUnrecordable:
      // The older steps would no longer fit the world.
      m_undo->Clear();
      NoteUnrecordedChange();
      return;
  }
}

int CWorldDoc::RemovePlane(int32_t index) {
  std::unique_ptr<CPlane> plane = m_world ? m_world->DetachPlane(index) : nullptr;
  if (!plane) return 0;
  if (m_change) m_change->Park(std::move(plane));
  return 1;
}

bool CWorldDoc::WriteTile(int32_t plane, int32_t column, int32_t row, int32_t value) {
  if (!m_world || !m_world->Plane(plane)) return false;
  SelectPlane(m_world->Plane(plane));
  return SetTile(column, row, value, 0, 0) != 0;
}

bool CWorldDoc::ApplyWorldChange(CWorldChange& change, bool after) {
  if (!m_world) return false;
  CGameObject* selected = m_selectedObject;
  if (!change.Restore(*m_world, m_properties, m_imageSets.get(), after, selected)) return false;
  if (const std::optional<bool> noImages = change.NoImages(after); noImages && m_view) m_view->SetNoImages(*noImages);
  CPlane* plane = change.CurrentPlane(after);
  if (m_world->IndexOf(plane) < 0) plane = m_world->IndexOf(m_currentPlane) >= 0 ? m_currentPlane : m_world->Plane(0);
  SelectPlane(plane);
  m_selectedObject = selected && plane && selected->m_listPosition.Plane() == plane ? selected : nullptr;
  ValidateCurrentTile();
  // The plane's image sets may differ now: the tile picker shows them again.
  SelectSet(m_currentSet);
  if (m_currentPlane) {
    const CRect whole{0, 0, m_currentPlane->Width() - 1, m_currentPlane->Height() - 1};
    Notify([&whole](IDocumentObserver& o) { o.CellsChanged(whole); });
  }
  Notify([](IDocumentObserver& o) { o.ObjectsChanged(); });
  return true;
}

UndoOutcome::Status CWorldDoc::Undo() { return Step(false); }

UndoOutcome::Status CWorldDoc::Redo() { return Step(true); }

UndoOutcome::Status CWorldDoc::Step(bool redo) {
  using Status = UndoOutcome::Status;
  if (!m_undo || !m_view || !(redo ? m_undo->CanRedo() : m_undo->CanUndo())) return Status::kEmpty;
  if (m_undo->Limit() <= 0 || !m_world) return Status::kDisabled;
  const UndoOutcome outcome = redo ? m_undo->Redo(*this) : m_undo->Undo(*this, m_changes);
  if (outcome.status != Status::kDone) return outcome.status;
  SetModifiedFlag(outcome.modified);
  m_view->SetScroll(outcome.view.scrollX, outcome.view.scrollY);
  m_view->Resize();
  m_view->MoveCursorTo(outcome.view.cursorColumn, outcome.view.cursorRow);
  m_view->RefreshView();
  return Status::kDone;
}

}  // namespace vyr
