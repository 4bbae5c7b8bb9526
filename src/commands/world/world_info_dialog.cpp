// Filling and storing of the "Informacje Świata" dialog.
#include "commands/world/world_info_dialog.h"

#include "commands/game/game_launch.h"
#include "platform/interaction_port.h"
#include "platform/message_format.h"
#include "res/messages.h"
#include "world/plane.h"
#include "world/world.h"
#include "world/world_doc.h"
#include "world/world_file.h"

namespace vyr {

void CWorldInfoDialog::OnInitDialog() {
  m_loaded.clear();
  if (!m_doc.HasLoadedWorld()) return;
  const WorldProperties& p = m_doc.Properties();
  m_name = p.name;
  m_author = p.author;
  m_created = p.date;
  m_archivePath = p.archivePath;
  m_imageDir = p.imageDir;
  m_palette = p.palette;
  m_startX = std::to_string(p.startX);
  m_startY = std::to_string(p.startY);
  m_useZ = (p.flags & kWorldFlagUseZ) != 0;
  m_compressed = (p.flags & kWorldFlagCompressed) != 0;
  m_imageSets = p.imageSets;
  m_prefixes = p.prefixes;
  m_gamePath = p.gamePath;
  const CWorld& world = *m_doc.World();
  m_planeCount = std::to_string(world.PlaneCount());
  if (const CPlane* objectPlane = world.FindObjectPlane()) m_objectCount = std::to_string(objectPlane->ObjectCount());
  for (const DialogField& field : Fields())
    if (!field.IsNumber()) m_loaded[field.control] = *field.text;
}

std::string CWorldInfoDialog::UnterminatedLabels() {
  OnInitDialog();
  std::string labels;
  for (const DialogField& field : Fields()) {
    if (field.IsNumber() || field.text->size() <= field.maxBytes) continue;
    labels += (labels.empty() ? "\"" : ", \"") + field.label + "\"";
  }
  return labels;
}

std::vector<DialogField> CWorldInfoDialog::Fields() {
  using namespace world_file;
  std::vector<DialogField> fields = CWorldHeaderDialog::Fields();
  for (size_t i = 0; i < 4; ++i) {
    const std::string n = std::to_string(i + 1);
    fields.push_back(DialogField::Text(kImageSetControls[i], "ImageSet " + n + ":", m_imageSets[i], kPathWidth - 1));
    fields.push_back(DialogField::Text(kPrefixControls[i], "Prefiks " + n + ":", m_prefixes[i], kPrefixWidth - 1));
  }
  fields.push_back(DialogField::Text(kGamePathControl, "Gra:", m_gamePath, kPathWidth - 1));
  for (DialogField& field : fields)
    if (auto loaded = m_loaded.find(field.control); loaded != m_loaded.end()) field.unedited = &loaded->second;
  return fields;
}

bool CWorldInfoDialog::OnOK(IInteractionPort& port) {
  if (!FieldsFit(port)) return false;
  WorldProperties& p = m_doc.Properties();
  // Only the open archive can be asked; a changed archive path is checked when it is used.
  if (m_archivePath == p.archivePath) {
    const ResourceProblem problem = m_doc.Resources().MissingFromOpenArchive(m_imageDir, m_palette);
    if (problem && !port.AskYesNo(problem.text + "\n\n" + std::string(res::text::kKeepMissingResource))) {
      SetFocusControl(ResourceControl(problem.field));
      return false;
    }
  }
  StoreHeaderFields(p);
  // What the user typed here may run without a further question; an untouched path is
  // approved only by the question itself.
  if (m_gamePath != m_loaded[kGamePathControl] && m_doc.GetProfile())
    ApproveGamePath(*m_doc.GetProfile(), m_gamePath, GameFolder(m_doc));
  p.gamePath = m_gamePath;
  p.imageSets = m_imageSets;
  p.prefixes = m_prefixes;
  // Rebuilt from scratch: flag bits the dialog does not show are dropped.
  p.flags = (m_useZ ? kWorldFlagUseZ : 0) | (m_compressed ? kWorldFlagCompressed : 0);
  return true;
}

bool RunWorldInfoDialog(CWorldDoc& doc) {
  CWorldInfoDialog dialog(doc);
  if (const std::string labels = dialog.UnterminatedLabels(); !labels.empty())
    doc.Interaction().Message(FormatMessage(res::text::kUnterminatedFields, {labels}), MessageIcon::Warning);
  return doc.Interaction().RunDialog(dialog) == DialogResult::Ok;
}

}  // namespace vyr
