// The 8-bit palette-indexed drawing surface (CDibG): create, fill, copy, draw, decode.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/bytes.h"
#include "platform/rect.h"
#include "resources/palette.h"

namespace vyr {

// The Windows BITMAPINFOHEADER fields.
struct BitmapInfoHeader {
  uint32_t size = 40;
  int32_t width = 0;
  int32_t height = 0;
  uint16_t planes = 1;
  uint16_t bitCount = 8;
  uint32_t compression = 0;
  uint32_t sizeImage = 0;
  int32_t xPelsPerMeter = 0;
  int32_t yPelsPerMeter = 0;
  uint32_t clrUsed = 0;
  uint32_t clrImportant = 0;
};

// Memory order of the rows. Top-down lets a QImage (Format_Indexed8) sit on Bits()
// with Pitch() as its bytes per line; bottom-up is the Windows DIB order.
enum class RowOrder { TopDown, BottomUp };

// Largest side and pixel-buffer size a surface accepts; larger requests fail.
inline constexpr int32_t kMaxSurfaceSide = 65536;
inline constexpr uint64_t kMaxSurfaceBytes = uint64_t(1) << 30;

class PixelArena;

// Frees a surface's pixel block that the heap gave, not one of an arena.
struct PixelRelease {
  bool fromHeap = true;
  void operator()(uint8_t* pixels) const {
    if (fromHeap) delete[] pixels;
  }
};

class CDibG {
 public:
  explicit CDibG(RowOrder order = RowOrder::TopDown);
  ~CDibG();
  CDibG(const CDibG&) = delete;
  CDibG& operator=(const CDibG&) = delete;
  CDibG(CDibG&&) noexcept;
  CDibG& operator=(CDibG&&) noexcept;

  // Decodes an item of image kind 1 (BMP), 2 (PCX), 3 (RID) or 6 (PID). A bad item
  // leaves no surface and says why in `reason`. A BMP builds `palette` from its colour
  // table when the palette has not been made yet.
  bool LoadFromMemory(ByteSpan item, int kind, CPalId* palette, std::string* reason = nullptr);
  bool LoadBitmap(ByteSpan item, CPalId* palette, std::string* reason = nullptr);
  bool LoadPcx(ByteSpan item, const CPalId* palette, std::string* reason = nullptr);
  bool LoadPid(ByteSpan item, const CPalId* palette, std::string* reason = nullptr);
  bool LoadRid(ByteSpan item, const CPalId* palette, std::string* reason = nullptr);
  // A loose PCX with its own palette (which also builds `palette` when that has not been made yet).
  bool LoadPcxFile(const std::string& path, CPalId* palette, std::string* reason = nullptr);

  // Makes the surface, all 0, when it does not exist yet (an existing one stays and succeeds).
  bool CreateWithPalette(int32_t width, int32_t height, const CPalId* palette);
  bool Create(int32_t width, int32_t height, const CPalId* palette);
  // Frees the pixels; the surface can be created again.
  void Destroy();
  // Later pixel blocks come from `arena`, which must outlive them, instead of the heap.
  void UseArena(PixelArena* arena) { m_arena = arena; }

  // Copies all rows of a same-sized surface (creating this one first when needed) and,
  // with the flag, its colour table. Fails for a different size.
  bool CopyFrom(const CDibG& other, bool copyColourTable);
  void FlipVertical();
  void Fill(uint8_t colour);
  // Columns left..right-1 and rows top..bottom-1, clipped to the surface.
  void FillRect(const CRect& rect, uint8_t colour);
  // The rectangle's size placed at (x, y), clipped to the surface.
  void FillRectAt(int32_t x, int32_t y, const CRect& rect, uint8_t colour);

  bool IsCreated() const { return m_created; }
  int32_t Width() const { return m_header.width; }
  int32_t Height() const { return m_height; }
  // Bytes per row: the width rounded up to a multiple of 4.
  int32_t Pitch() const { return m_pitch; }
  size_t ImageSize() const { return size_t(m_pitch) * size_t(m_height); }
  RowOrder Order() const { return m_order; }
  const BitmapInfoHeader& Header() const { return m_header; }
  // 256 entries of B, G, R, 0: the palette's own table, shared by every surface made with
  // it, or one of the surface's own once it is changed here.
  ColourTableBytes& ColourTable();
  const ColourTableBytes& ColourTable() const;
  void SetColourTable(const CPalId& palette);
  const CPalId* Palette() const { return m_palette; }
  uint8_t* Bits() { return m_pixels.get(); }
  const uint8_t* Bits() const { return m_pixels.get(); }

  // Byte offset of row y (from the top) in the pixel buffer.
  size_t RowOffset(int32_t y) const { return size_t(m_firstRow + ptrdiff_t(y) * m_rowStep); }
  uint8_t* RowPtr(int32_t y) { return Bits() + RowOffset(y); }
  const uint8_t* RowPtr(int32_t y) const { return Bits() + RowOffset(y); }
  uint8_t* PixelPtr(int32_t x, int32_t y) { return RowPtr(y) + x; }
  const uint8_t* PixelPtr(int32_t x, int32_t y) const { return RowPtr(y) + x; }
  // Checked access: outside the surface reads 0 and writes nothing.
  uint8_t GetPixel(int32_t x, int32_t y) const;
  void SetPixel(int32_t x, int32_t y, uint8_t colour);

  // The whole source at (x, y), clipped; returns false when nothing is visible.
  bool Draw(int32_t x, int32_t y, const CDibG& source, bool transparent);
  // As Draw with each source row read right to left.
  bool DrawMirrored(int32_t x, int32_t y, const CDibG& source, bool transparent);
  // The source rectangle to (x, y); the copy is clipped to both surfaces.
  bool DrawRect(int32_t x, int32_t y, const CDibG& source, const CRect& sourceRect, bool transparent);
  // Rectangle copies (the transparent one skips source bytes of 0), clipped to both surfaces.
  void CopyRect(const CDibG& source, int32_t sourceX, int32_t sourceY, int32_t targetX, int32_t targetY,
                int32_t width, int32_t height);
  void CopyRectTransparent(const CDibG& source, int32_t sourceX, int32_t sourceY, int32_t targetX,
                           int32_t targetY, int32_t width, int32_t height);

  // Replaces every byte of the pixel buffer (padding included) by the colour-cube index
  // of its colour in `palette` (or the surface's own palette). False without either.
  bool ReindexToColourCube(const CPalId* palette = nullptr);

 private:
  // A surface whose bytes hold whatever the memory held: the decoders write every byte.
  bool Allocate(int32_t width, int32_t height, const CPalId* palette);
  // Zeroes the padding after `width` bytes in every row (the decoders that fill only the
  // image columns).
  void ClearPadding();
  // Forgets the surface but keeps its memory for the next load of a same-sized image.
  void Reset();
  bool Fail(std::string* reason, std::string text);

  RowOrder m_order;
  BitmapInfoHeader m_header;
  std::shared_ptr<const ColourTableBytes> m_colourTable;  // null: all 0
  int32_t m_height = 0;
  int32_t m_pitch = 0;
  // One block per surface, kept by Reset for the next load of an image that fits.
  std::unique_ptr<uint8_t[], PixelRelease> m_pixels;
  size_t m_capacity = 0;
  PixelArena* m_arena = nullptr;
  ptrdiff_t m_firstRow = 0;  // offset of the top row
  ptrdiff_t m_rowStep = 0;   // from a row to the one below it
  const CPalId* m_palette = nullptr;
  bool m_created = false;
};

}  // namespace vyr
