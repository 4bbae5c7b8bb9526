// CWorldDoc: reading and writing cells of the current plane and the current tile.
#include "res/step_names.h"
#include "world/plane.h"
#include "world/tile_edits.h"
#include "world/view_port.h"
#include "world/world.h"
#include "world/world_doc.h"

namespace vyr {

int32_t CWorldDoc::GetTile(int32_t column, int32_t row) const {
  if (!m_currentPlane) return 0;
  return m_currentPlane->GetTile(column, row);
}

int CWorldDoc::SetTile(int32_t column, int32_t row, int32_t value, int record) {
  CPlane* plane = m_currentPlane;
  if (!plane || column < 0 || row < 0 || column >= plane->Width() || row >= plane->Height()) return 0;
  const int32_t old = plane->GetTile(column, row);
  if (old == value) return 1;

  // Inside a recorded change the change keeps the cell and announces it when it ends.
  const bool ownStep = !m_change;
  if (record && ownStep && m_view && m_undo && m_world) {
    const UndoViewState where{m_view->ScrollX(), m_view->ScrollY(), column, row};
    auto entry = std::make_unique<CTileUndoEntry>(m_world->IndexOf(plane), column, row, old, value, where,
                                                  IsModified(), m_changes.Value());
    entry->SetName(m_changeName.empty() ? res::step::kPlaceTile : m_changeName);
    const CUndoEntry* newest = m_undo->Newest();
    if (!m_joinTileWrite || !newest || newest->ChangeCount() != m_changes.Value() || !m_undo->MergeIntoNewest(*entry))
      m_undo->PushUndo(std::move(entry));
  }
  plane->SetTile(column, row, value);
  SetModifiedFlag(true);
  if (ownStep) {
    ChangeNotice notice;
    notice.cellsPlane = plane;
    notice.cells = {column, row, column, row};
    Announce(notice);
  }
  return 1;
}

int CWorldDoc::ContinueTile(int32_t column, int32_t row, int32_t value) {
  m_joinTileWrite = true;
  const int written = SetTile(column, row, value);
  m_joinTileWrite = false;
  return written;
}

int CWorldDoc::SetTileAtCursor(int32_t value) {
  if (!m_view) return SetTile(0, 0, value);
  return SetTile(m_view->CursorColumn(), m_view->CursorRow(), value);
}

void CWorldDoc::StepTile(int direction) {
  if (!m_currentPlane) return;
  // An invalid set falls back to 0 even when that set has nothing to step to.
  if (!m_currentPlane->ImageSetAt(m_currentSet) && m_currentSet != 0) SelectSet(0);
  const ImageStep step = vyr::StepImage(*m_currentPlane, m_currentSet, m_currentImage, direction);
  if (!step.found) return;
  SelectImage(step.image);
  if (const std::optional<int32_t> tile = SelectionTile(step.set, step.image)) SetTileAtCursor(*tile);
}

bool CWorldDoc::ImageExists(int32_t image) const {
  return HasLoadedWorld() && vyr::ImageExists(m_currentPlane, m_currentSet, image) != 0;
}

}  // namespace vyr
