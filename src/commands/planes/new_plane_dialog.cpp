// The "Nowa Warstwa" dialog: tile sizes from the listed sets and adding the plane on OK.
#include "commands/planes/new_plane_dialog.h"

#include "commands/planes/image_set_words.h"
#include "resources/image_set.h"
#include "world/plane.h"
#include "world/world.h"
#include "world/world_doc.h"

namespace vyr {

void CNewPlaneDialog::OnInitDialog() {
  for (std::string* field : {&m_name, &m_tileWidth, &m_tileHeight, &m_width, &m_height, &m_movementX, &m_movementY,
                             &m_colour, &m_z, &m_imageSets})
    field->clear();
  m_objects = m_noImages = m_endlessX = m_endlessY = m_autoSize = false;
  m_added = nullptr;
}

void CNewPlaneDialog::OnControlEvent(int control, ControlEvent event, IInteractionPort& /*port*/) {
  if (control != kImageSetsControl || event != ControlEvent::FocusLost) return;
  if (!m_tileWidth.empty() && !m_tileHeight.empty()) return;
  const CImageSetTable* sets = m_doc.ImageSets();
  if (!sets) return;
  for (const std::string& word : ImageSetWords(m_imageSets)) {
    const CImageSet* set = sets->Find(word);
    const CImage* image = set && set->PresentCount() > 0 ? set->GetImage(set->Lowest()) : nullptr;
    if (!image) continue;
    m_tileWidth = std::to_string(image->m_width);
    m_tileHeight = std::to_string(image->m_height);
    ReloadFields();
    return;
  }
}

bool CNewPlaneDialog::OnOK(IInteractionPort& port) {
  if (!FieldsFit(port)) return false;
  const int32_t tileWidth = Number(m_tileWidth), tileHeight = Number(m_tileHeight);
  const int32_t width = Number(m_width), height = Number(m_height);
  CWorld* world = m_doc.World();
  const bool sizesFit = PlaneSizeProblem(width, height, tileWidth, tileHeight).empty();
  if (sizesFit && !ObjectsMayLoseFlag(port, nullptr)) return false;
  CPlane* plane = world ? world->AddPlane(m_name, width, height, tileWidth, tileHeight) : nullptr;
  if (!plane) {
    const std::string problem = PlaneSizeProblem(width, height, tileWidth, tileHeight);
    port.Message(problem.empty() ? "The plane could not be added. Open or create a world first." : problem,
                 MessageIcon::Warning);
    SetFocusControl(kWidthControl);
    return false;
  }
  ApplyImageSetWords(m_doc.ImageSets(), *plane, m_imageSets);
  StoreValues(*plane, 0);
  m_added = plane;
  m_doc.SelectPlane(plane);
  return true;
}

void RunNewPlaneDialog(CWorldDoc& doc) {
  CNewPlaneDialog dialog(doc);
  doc.Interaction().RunDialog(dialog);
}

}  // namespace vyr
