// The map snapshot's surface, palette and their owner, and the 8-bit BMP writer.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/large_buffer.h"
#include "platform/rect.h"
#include "resources/palette.h"

namespace vyr {

class CSnapshotPalette {
 public:
  // Copies the entries with their flags cleared; on a palette device and unless flag
  // bit 0 is set, applies the identity adjustment.
  CSnapshotPalette(const PaletteEntries& entries, uint32_t flags, const DisplayPalette& display);
  const PaletteEntries& Entries() const { return m_entries; }
  uint32_t Flags() const { return m_flags; }

 private:
  PaletteEntries m_entries;
  uint32_t m_flags;
};

class CSnapshotDib {
 public:
  // Fails (null, with a reason) for a size that is not positive or too large, or a depth
  // other than 8, 16, 24 or 32 bits. Rows are padded to a multiple of 4 bytes.
  static std::unique_ptr<CSnapshotDib> Make(int32_t width, int32_t height, int32_t bitsPerPixel,
                                            uint32_t flags, std::string* reason = nullptr);

  int32_t Width() const { return m_width; }
  int32_t Height() const { return m_height; }
  int32_t BitsPerPixel() const { return m_bitsPerPixel; }
  // Bytes per row, padding included. Rows are stored bottom row first, as the file holds
  // them, so the pixels are written without a copy; the padding stays 0.
  int32_t Pitch() const { return m_pitch; }
  uint8_t* Bits() { return m_pixels.Data(); }
  const uint8_t* Bits() const { return m_pixels.Data(); }
  size_t ImageSize() const { return m_size; }
  // Row y counted from the top.
  uint8_t* RowPtr(int32_t y) { return Bits() + size_t(m_height - 1 - y) * size_t(m_pitch); }
  const uint8_t* RowPtr(int32_t y) const { return Bits() + size_t(m_height - 1 - y) * size_t(m_pitch); }

  // 8-bit fills; columns left..right-1 and rows top..bottom-1, clipped to the surface.
  void Fill(uint8_t colour);
  void FillRect(const CRect& rect, uint8_t colour);
  void FillRectAt(int32_t x, int32_t y, const CRect& rect, uint8_t colour);

  // The 8-bit BMP image: header, the palette's 256 colours, rows bottom row first.
  bool BmpHeader(const CSnapshotPalette* palette, std::vector<uint8_t>& out, std::string* reason = nullptr) const;
  bool BmpBytes(const CSnapshotPalette* palette, std::vector<uint8_t>& out, std::string* reason = nullptr) const;
  // Writes the BMP image atomically (temporary file, then rename).
  bool WriteBmp(const std::string& path, const CSnapshotPalette* palette, std::string* reason = nullptr) const;

  void Release();

 private:
  CSnapshotDib(int32_t width, int32_t height, int32_t bitsPerPixel);

  int32_t m_width;
  int32_t m_height;
  int32_t m_bitsPerPixel;
  int32_t m_pitch;
  // Zeroed and in large pages: making a surface costs no pass over its memory before the
  // drawing writes it, and writing it costs few page faults.
  LargeBuffer m_pixels;
  size_t m_size = 0;
};

// Owns the surfaces and palettes it made; clearing deletes them all.
class CSnapshotContext {
 public:
  CSnapshotContext();
  explicit CSnapshotContext(const DisplayPalette& display);
  ~CSnapshotContext();

  CSnapshotDib* MakeSurface(int32_t width, int32_t height, int32_t bitsPerPixel, uint32_t flags,
                            std::string* reason = nullptr);
  CSnapshotPalette* MakePalette(const PaletteEntries& entries, uint32_t flags);
  void Clear();

 private:
  const DisplayPalette* m_display;
  std::vector<std::unique_ptr<CSnapshotDib>> m_surfaces;
  std::vector<std::unique_ptr<CSnapshotPalette>> m_palettes;
};

}  // namespace vyr
