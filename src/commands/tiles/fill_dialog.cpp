// The fill dialog: the tile chosen, the check of the current selection and the fill itself.
#include "commands/tiles/fill_dialog.h"

#include "commands/tiles/tile_commands.h"
#include "platform/message_format.h"
#include "res/messages.h"
#include "res/resources.h"
#include "world/plane.h"
#include "world/tile_edits.h"
#include "world/view_port.h"
#include "world/world_doc.h"

namespace vyr {

namespace {
constexpr uint32_t kCannotFillString = 132;
}  // namespace

void CFillDialog::OnInitDialog() {
  m_tile = ctl::kFillCurrent;
  m_currentText = FormatMessage(res::text::kFillCurrent, {m_doc.CurrentSet(), m_doc.CurrentImage()});
  const IViewPort* view = m_doc.ViewPort();
  m_column = std::to_string(view ? view->CursorColumn() : 0);
  m_row = std::to_string(view ? view->CursorRow() : 0);
}

bool CFillDialog::OnOK(IInteractionPort& port) {
  CPlane* plane = m_doc.CurrentPlane();
  if (!plane) return true;
  std::optional<int32_t> value = kEmptyTile;
  if (m_tile == ctl::kFillColour) value = kColourTile;
  if (m_tile == ctl::kFillCurrent)
    value = m_doc.HasCurrentImage() ? SelectionTile(m_doc.CurrentSet(), m_doc.CurrentImage()) : std::nullopt;
  if (!value) {
    port.Message(res::LoadString(kCannotFillString), MessageIcon::Warning);
    return false;
  }
  FillPlane(*plane, *value);
  return true;
}

}  // namespace vyr
