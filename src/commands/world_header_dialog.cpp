// Reading and storing of the header fields both world dialogs share.
#include "commands/world_header_dialog.h"

#include <cctype>
#include <limits>

#include "world/world_host.h"

namespace vyr {

int32_t ReadDialogInt(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  int64_t value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    value = value * 10 + (text[i] - '0');
    // Saturate rather than wrap: a typed overflow must not turn into a different number.
    if (value > int64_t(std::numeric_limits<int32_t>::max()) + 1) value = int64_t(std::numeric_limits<int32_t>::max()) + 1;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int32_t>::max()) value = std::numeric_limits<int32_t>::max();
  return int32_t(value);
}

void CWorldHeaderDialog::StoreHeaderFields(WorldProperties& p) const {
  p.archivePath = m_archivePath;
  p.imageDir = m_imageDir;
  p.palette = m_palette;
  p.name = m_name;
  p.author = m_author;
  p.startX = ReadDialogInt(m_startX);
  p.startY = ReadDialogInt(m_startY);
}

}  // namespace vyr
