// The report box's caption and the invalid-tile report's way to its cells.
#include "commands/tiles/text_report_dialog.h"

#include "platform/saturate.h"
#include "res/resources.h"
#include "world/plane.h"
#include "world/view_port.h"
#include "world/world.h"
#include "world/world_doc.h"

namespace vyr {

void CTextReportDialog::OnInitDialog() { SetCaption(std::string(res::LoadString(res::kAppTitleString))); }

void CInvalidTileReport::OnControlEvent(int control, ControlEvent event, IInteractionPort&) {
  if (control != ctl::kReportText || event != ControlEvent::DoubleClicked) return;
  if (m_line < 0 || size_t(m_line) >= m_cells.size() || !m_doc.World()) return;
  const InvalidTile& cell = m_cells[size_t(m_line)];
  CPlane* plane = m_doc.World()->Plane(cell.plane);
  IViewPort* view = m_doc.ViewPort();
  if (!plane || !view) return;
  if (plane != m_doc.CurrentPlane()) m_doc.SelectPlane(plane);
  const int64_t x = int64_t(cell.column) * plane->TileWidth() + plane->TileWidth() / 2;
  const int64_t y = int64_t(cell.row) * plane->TileHeight() + plane->TileHeight() / 2;
  view->SetScroll(Saturate(x - view->ClientWidth() / 2), Saturate(y - view->ClientHeight() / 2));
  view->RefreshView();
  view->MoveCursorTo(cell.column, cell.row);
}

}  // namespace vyr
