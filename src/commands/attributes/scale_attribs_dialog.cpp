// The "Zmiana Artrybutów Klocków" dialog: checking its numbers and applying them to every record.
#include "commands/attributes/scale_attribs_dialog.h"

#include "platform/dialog_fields.h"
#include "world/tile_attrib_edits.h"
#include "world/world_doc.h"

namespace vyr {

void CScaleAttribsDialog::OnInitDialog() {
  m_byPercent = true;
  m_percent.clear();
  m_width.clear();
  m_height.clear();
}

bool CScaleAttribsDialog::OnOK(IInteractionPort&) {
  if (!m_doc.World() || !m_doc.CurrentPlane()) return false;
  if (m_byPercent) {
    const std::optional<int32_t> percent = ReadDialogInt(m_percent);
    if (!percent || *percent <= 0 || *percent == 100) return false;
    ScaleTileAttribs(m_doc, *percent);
    return true;
  }
  const std::optional<int32_t> width = ReadDialogInt(m_width), height = ReadDialogInt(m_height);
  if (!width || !height || *width <= 0 || *height <= 0) return false;
  ResizeTileAttribs(m_doc, *width, *height);
  return true;
}

void CScaleAttribsDialog::OnControlEvent(int control, ControlEvent event, IInteractionPort&) {
  if (event != ControlEvent::Clicked) return;
  if (control == ctl::kScaleAttribsByPercent) m_byPercent = true;
  else if (control == ctl::kScaleAttribsBySize) m_byPercent = false;
  else return;
  ReloadFields();
}

void RunScaleAttribsDialog(CWorldDoc& doc) {
  CScaleAttribsDialog dialog(doc);
  doc.Interaction().RunDialog(dialog);
}

}  // namespace vyr
