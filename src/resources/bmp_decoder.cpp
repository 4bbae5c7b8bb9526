// Windows bitmaps (8-bit, uncompressed) into a surface.
#include <cstring>

#include "resources/dib.h"

namespace vyr {

bool CDibG::LoadBitmap(ByteSpan item, CPalId* palette, std::string* reason) {
  Reset();
  const ByteReader reader(item);
  uint32_t pixelOffset = 0, infoSize = 0, compression = 0, coloursUsed = 0;
  int32_t width = 0, height = 0;
  uint16_t bitCount = 0;
  if (!reader.U32(10, pixelOffset) || !reader.U32(14, infoSize) || !reader.I32(18, width) ||
      !reader.I32(22, height) || !reader.U16(28, bitCount) || !reader.U32(30, compression) ||
      !reader.U32(46, coloursUsed))
    return Fail(reason, "bitmap shorter than its headers");
  if (infoSize < 40) return Fail(reason, "bitmap information header of " + std::to_string(infoSize) + " bytes");
  if (bitCount != 8) return Fail(reason, "bitmap of " + std::to_string(bitCount) + " bits per pixel, not 8");
  if (compression != 0) return Fail(reason, "compressed bitmap");
  if (coloursUsed > 256) return Fail(reason, "bitmap colour table of more than 256 entries");
  const bool bottomUp = height > 0;
  const int64_t rows = bottomUp ? int64_t(height) : -int64_t(height);
  if (width <= 0 || rows <= 0 || width > kMaxSurfaceSide || rows > kMaxSurfaceSide)
    return Fail(reason, "bitmap size " + std::to_string(width) + " x " + std::to_string(height) + " is not usable");

  // The colour table follows the information header, whatever its version.
  const uint64_t tableOffset = 14 + uint64_t(infoSize);
  const uint64_t entries = coloursUsed == 0 ? 256 : coloursUsed;
  if (!reader.Has(tableOffset, entries * 4)) return Fail(reason, "bitmap colour table runs past the end");
  const uint64_t pitch = (uint64_t(width) + 3) / 4 * 4;
  if (!reader.Has(pixelOffset, pitch * uint64_t(rows))) return Fail(reason, "bitmap pixel rows run past the end");

  auto table = std::make_shared<ColourTableBytes>();
  std::memcpy(table->data(), item.data() + tableOffset, size_t(entries * 4));
  if (palette && !palette->IsCreated()) palette->BuildFromColourTable(*table, true);
  if (!Allocate(width, int32_t(rows), palette)) return Fail(reason, "cannot make the surface");
  m_colourTable = std::move(table);
  // Whole rows, padding included: every byte of the surface is written.
  for (int32_t y = 0; y < m_height; ++y) {
    const int64_t fileRow = bottomUp ? m_height - 1 - y : y;
    std::memcpy(RowPtr(y), item.data() + pixelOffset + uint64_t(fileRow) * pitch, size_t(pitch));
  }
  return true;
}

}  // namespace vyr
