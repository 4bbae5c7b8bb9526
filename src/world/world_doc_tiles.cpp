// CWorldDoc: reading and writing cells of the current plane and the current tile.
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

int CWorldDoc::SetTile(int32_t column, int32_t row, int32_t value, int record, int invalidate) {
  CPlane* plane = m_currentPlane;
  if (!plane || column < 0 || row < 0 || column >= plane->Width() || row >= plane->Height()) return 0;
  const int32_t old = plane->GetTile(column, row);
  if (old == value) return 1;

  if (record && !Recording() && m_view && m_undo && m_world) {
    const UndoViewState where{m_view->ScrollX(), m_view->ScrollY(), column, row};
    auto entry = std::make_unique<CTileUndoEntry>(m_world->IndexOf(plane), column, row, old, value, where,
                                                  IsModified(), m_changes.Value());
    const CUndoEntry* newest = m_undo->Newest();
    if (!m_joinTileWrite || !newest || newest->ChangeCount() != m_changes.Value() || !m_undo->MergeIntoNewest(*entry))
      m_undo->PushUndo(std::move(entry));
  }
  plane->SetTile(column, row, value);
  SetModifiedFlag(true);
  RenderWorld(0);
  const CRect cell{column, row, column, row};
  Notify([&cell](IDocumentObserver& o) { o.CellsChanged(cell); });

  if (invalidate && m_view) {
    const int32_t left = column * plane->TileWidth() - m_view->ScrollX();
    const int32_t top = row * plane->TileHeight() - m_view->ScrollY();
    m_view->HideCursor();
    m_view->InvalidateRect(CRect{left, top, left + plane->TileWidth(), top + plane->TileHeight()}, false);
    m_view->UpdateNow();
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
