// CWorldDoc: user actions recorded as undo steps, and undo and redo.
#include <utility>

#include "world/game_object.h"
#include "world/plane.h"
#include "world/view_port.h"
#include "world/world.h"
#include "world/world_doc.h"

namespace vyr {

void CWorldDoc::MarkChangedWithoutStep() {
  m_changes.Bump();
  SetModifiedFlag(true);
}

void CWorldDoc::Announce(const ChangeNotice& notice) {
  if (notice.Any()) Notify([&notice](IDocumentObserver& o) { o.WorldChanged(notice); });
}

void CWorldDoc::BeginChange(const ChangeScope& scope, std::string_view name, const void* series) {
  if (m_changeDepth++ > 0) return;
  m_changeName = name;
  if (!m_world || !m_undo || scope.Empty()) return;
  m_changeSeries = series;
  m_changeView = m_view ? UndoViewState{m_view->ScrollX(), m_view->ScrollY(), m_view->CursorColumn(), m_view->CursorRow()}
                        : UndoViewState{};
  m_changeWasModified = IsModified();
  m_changeCount = m_changes.Value();
  m_changeNoImages = m_view && m_view->NoImages();
  m_change = std::make_unique<CWorldChange>(*m_world, m_properties, scope, m_currentPlane);
}

void CWorldDoc::EndChange(bool keep) {
  if (m_changeDepth == 0 || --m_changeDepth > 0) return;
  if (keep) {
    RecordChange();
  } else if (std::unique_ptr<CWorldChange> change = std::move(m_change); change && m_world) {
    // Taken back as a whole: the world, the view's "Bez Obrazów" and what shows them.
    if (change->Finish(*m_world, m_properties, m_currentPlane) == CWorldChange::Outcome::kChanged) {
      if (m_view && m_view->NoImages() != m_changeNoImages) change->NoteNoImagesSwitch(m_changeNoImages);
      ApplyWorldChange(*change, false);
    }
  }
  m_changeName = {};
}

void CWorldDoc::RecordChange() {
  std::unique_ptr<CWorldChange> change = std::move(m_change);
  if (!change || !m_world || !m_undo) return;
  switch (change->Finish(*m_world, m_properties, m_currentPlane)) {
    case CWorldChange::Outcome::kUnchanged:
      return;
    case CWorldChange::Outcome::kChanged: {
      if (m_view && m_view->NoImages() != m_changeNoImages) change->NoteNoImagesSwitch(m_changeNoImages);
      const ChangeNotice notice = change->Notice();
      auto entry = std::make_unique<CWorldChangeEntry>(std::move(change), m_changeView, m_changeWasModified,
                                                       m_changeCount, m_changeSeries);
      entry->SetName(m_changeName);
      // A save or an unrecorded change in between keeps the steps apart.
      const CUndoEntry* newest = m_undo->Newest();
      if (!m_changeSeries || !newest || newest->ChangeCount() != m_changes.Value() || !m_undo->MergeIntoNewest(*entry))
        m_undo->PushUndo(std::move(entry));
      SetModifiedFlag(true);
      Announce(notice);
      return;
    }
    case CWorldChange::Outcome::kUnrecordable:
      // The older steps would no longer fit the world, and what changed is not known.
      m_undo->Clear();
      MarkChangedWithoutStep();
      if (m_currentPlane) {
        ChangeNotice everything = ChangeNotice::WholeGrid(m_currentPlane, m_currentPlane->Width(), m_currentPlane->Height());
        everything.objectsPlane = m_currentPlane;
        everything.planeStack = everything.planeSettings = everything.header = everything.attributes = true;
        Announce(everything);
      }
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
  return SetTile(column, row, value, 0) != 0;
}

bool CWorldDoc::ApplyWorldChange(CWorldChange& change, bool after) {
  if (!m_world) return false;
  CGameObject* selected = m_selectedObject;
  if (!change.Restore(*m_world, m_properties, ImageSets(), after, selected)) return false;
  if (const std::optional<bool> noImages = change.NoImages(after); noImages && m_view) m_view->SetNoImages(*noImages);
  CPlane* plane = change.CurrentPlane(after);
  if (m_world->IndexOf(plane) < 0) plane = m_world->IndexOf(m_currentPlane) >= 0 ? m_currentPlane : m_world->Plane(0);
  SelectPlane(plane);
  m_selectedObject = selected && plane && selected->m_listPosition.Plane() == plane ? selected : nullptr;
  ValidateCurrentTile();
  // The plane's image sets may differ now: the tile picker shows them again.
  SelectSet(m_currentSet);
  Announce(change.Notice());
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
