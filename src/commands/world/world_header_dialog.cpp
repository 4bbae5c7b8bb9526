// The limits and storing of the header fields both world dialogs share.
#include "commands/world/world_header_dialog.h"

#include "world/world_doc.h"
#include "world/world_file.h"
#include "world/world_host.h"

namespace vyr {

std::vector<DialogField> CWorldHeaderDialog::Fields() {
  using namespace world_file;
  return {
      DialogField::Text(kNameControl, "Nazwa:", m_name, kNameWidth - 1),
      DialogField::Text(kAuthorControl, "Autor:", m_author, kNameWidth - 1),
      DialogField::Text(kArchivePathControl, "Plik 'Rez':", m_archivePath, kArchivePathWidth - 1),
      DialogField::Text(kImageDirControl, "Obrazy:", m_imageDir, kPathWidth - 1),
      DialogField::Text(kPaletteControl, "Palety:", m_palette, kPathWidth - 1),
      DialogField::Number(kStartXControl, "Start X:", m_startX),
      DialogField::Number(kStartYControl, "Start Y:", m_startY),
  };
}

void CWorldHeaderDialog::StoreHeaderFields(WorldProperties& p) const {
  p.archivePath = m_archivePath;
  p.imageDir = m_imageDir;
  p.palette = m_palette;
  p.name = m_name;
  p.author = m_author;
  p.startX = ReadDialogInt(m_startX).value_or(0);
  p.startY = ReadDialogInt(m_startY).value_or(0);
}

int CWorldHeaderDialog::ResourceControl(ResourceField field) {
  switch (field) {
    case ResourceField::kImageDir:
      return kImageDirControl;
    case ResourceField::kPalette:
      return kPaletteControl;
    default:
      return kArchivePathControl;
  }
}

}  // namespace vyr
