// Mask tile attribute record: one attribute byte per pixel of the tile.
#pragma once

#include <vector>

#include "world/tile_attrib.h"

namespace vyr {

class CMaskAttrib : public CTileAttrib {
 public:
  CMaskAttrib() = default;

  // ⌊log2 height⌋: the number of halvings before the height is ≤ 1 (0 for 0 and 1).
  static int32_t ShiftFor(int32_t height);
  // True when a mask of that size can be stored and read back: width = 2^⌊log2 height⌋,
  // height ≥ 0 and the record's size fits a 32-bit length.
  static bool SizeFits(int32_t width, int32_t height);

  int Load(ByteSpan stored, std::string* reason = nullptr) override;
  void FreeData() override;
  int Kind() const override { return kAttribKindMask; }
  // The pixel byte; 0 outside the mask.
  int32_t AttributeAt(int32_t x, int32_t y) const override;
  int32_t StoredSize() const override { return int32_t(kAttribRecordHeaderSize) + m_byteCount; }

  int NextChangeLeft(int32_t x, int32_t y, int32_t& xOut, int32_t& attribOut) const override;
  int FindLeft(int32_t x, int32_t y, int32_t attrib, int32_t& xOut) const override;
  int NextChangeUp(int32_t x, int32_t y, int32_t& yOut, int32_t& attribOut) const override;
  int FindUp(int32_t x, int32_t y, int32_t attrib, int32_t& yOut) const override;
  int NextChangeRight(int32_t x, int32_t y, int32_t& xOut, int32_t& attribOut) const override;
  int FindRight(int32_t x, int32_t y, int32_t attrib, int32_t& xOut) const override;
  int NextChangeDown(int32_t x, int32_t y, int32_t& yOut, int32_t& attribOut) const override;
  int FindDown(int32_t x, int32_t y, int32_t attrib, int32_t& yOut) const override;

  // Any non-negative size whose pixel count fits (a working mask may be of any size);
  // refuses negative or oversized ones.
  int SetSize(int32_t width, int32_t height) override;
  // Takes width × height pixel bytes (row by row) as the mask; refused like SetSize, or
  // when their number differs, leaving the mask as it was.
  int TakePixels(int32_t width, int32_t height, std::vector<uint8_t> pixels);
  void Store(ByteWriter& out) const override;
  // Resample (nearest neighbour) to the new size; refused unless SizeFits holds for it.
  int ResizeTo(int32_t width, int32_t height) override;
  int Scale(int32_t percent) override;
  std::unique_ptr<CTileAttrib> Clone() const override;

  int32_t Shift() const { return m_shift; }
  int32_t ByteCount() const { return m_byteCount; }
  const std::vector<uint8_t>& Pixels() const { return m_pixels; }
  // Pixel at (x, y), which must lie inside the mask.
  uint8_t Pixel(int32_t x, int32_t y) const { return m_pixels[size_t(y) * size_t(m_tileWidth) + size_t(x)]; }
  void SetPixel(int32_t x, int32_t y, uint8_t value) { m_pixels[size_t(y) * size_t(m_tileWidth) + size_t(x)] = value; }
  bool Contains(int32_t x, int32_t y) const { return x >= 0 && y >= 0 && x < m_tileWidth && y < m_tileHeight; }

 private:
  int32_t m_shift = 0;
  int32_t m_byteCount = 0;
  std::vector<uint8_t> m_pixels;  // row by row, width bytes each
};

}  // namespace vyr
