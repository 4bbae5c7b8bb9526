// Colour tables for showing 8-bit surfaces outside the world view.
#include "editor/palette_colours.h"

#include "resources/palette.h"

namespace vyr {

QList<QRgb> ShownColours(const CPalId* palette) {
  QList<QRgb> colours;
  for (size_t i = 0; i < kPaletteEntryCount; ++i) {
    if (!palette) {
      colours.append(qRgb(int(i), int(i), int(i)));
      continue;
    }
    const PaletteEntry& entry = palette->Entry(i);
    colours.append(qRgb(entry.red, entry.green, entry.blue));
  }
  colours[0] = colours.back();
  return colours;
}

}  // namespace vyr
