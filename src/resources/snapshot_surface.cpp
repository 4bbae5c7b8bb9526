// The map snapshot's surface, palette and their owner, and the 8-bit BMP writer.
#include "resources/snapshot_surface.h"

#include <algorithm>
#include <cstring>

#include "platform/bytes.h"
#include "platform/file_io.h"
#include "resources/dib.h"

namespace vyr {

namespace {
constexpr uint32_t kBmpPixelOffset = 1078;  // 14 + 40 + 1024
}

CSnapshotPalette::CSnapshotPalette(const PaletteEntries& entries, uint32_t flags, const DisplayPalette& display)
    : m_entries(entries), m_flags(flags) {
  for (PaletteEntry& e : m_entries) e.flags = 0;
  if (!(flags & 1)) ApplyIdentityAdjustment(m_entries, display);
}

CSnapshotDib::CSnapshotDib(int32_t width, int32_t height, int32_t bitsPerPixel)
    : m_width(width), m_height(height), m_bitsPerPixel(bitsPerPixel), m_pitch((width * (bitsPerPixel / 8) + 3) & ~3) {
  m_size = size_t(m_pitch) * size_t(height);
  m_pixels = LargeBuffer(m_size);
}

std::unique_ptr<CSnapshotDib> CSnapshotDib::Make(int32_t width, int32_t height, int32_t bitsPerPixel, uint32_t,
                                                 std::string* reason) {
  auto refuse = [&](std::string text) {
    if (reason) *reason = std::move(text);
    return std::unique_ptr<CSnapshotDib>();
  };
  if (width <= 0 || height <= 0 || width > kMaxSurfaceSide || height > kMaxSurfaceSide)
    return refuse("snapshot size " + std::to_string(width) + " x " + std::to_string(height) + " is not usable");
  if (bitsPerPixel != 8 && bitsPerPixel != 16 && bitsPerPixel != 24 && bitsPerPixel != 32)
    return refuse("snapshot of " + std::to_string(bitsPerPixel) + " bits per pixel");
  if ((uint64_t(width) * uint64_t(bitsPerPixel / 8) + 3) / 4 * 4 * uint64_t(height) > kMaxSurfaceBytes)
    return refuse("snapshot too large");
  std::unique_ptr<CSnapshotDib> surface(new CSnapshotDib(width, height, bitsPerPixel));
  if (!surface->Bits()) return refuse("not enough memory for a snapshot of " + std::to_string(width) + " x " +
                                      std::to_string(height) + " pixels");
  return surface;
}

void CSnapshotDib::Fill(uint8_t colour) {
  if (m_bitsPerPixel != 8) return;
  if (m_pitch == m_width) {
    std::memset(Bits(), colour, m_size);
    return;
  }
  for (int32_t row = 0; row < m_height; ++row) std::memset(RowPtr(row), colour, size_t(m_width));
}

void CSnapshotDib::FillRect(const CRect& rect, uint8_t colour) { FillRectAt(rect.left, rect.top, rect, colour); }

void CSnapshotDib::FillRectAt(int32_t x, int32_t y, const CRect& rect, uint8_t colour) {
  if (m_bitsPerPixel != 8) return;
  // A filled cell covers exactly its own columns and rows: the bottom edge is exclusive.
  const int64_t left = std::max<int64_t>(x, 0);
  const int64_t top = std::max<int64_t>(y, 0);
  // Sizes are taken wide: a rectangle may span more than 2^31 (right - left overflows).
  const int64_t right = std::min<int64_t>(int64_t(x) + (int64_t(rect.right) - rect.left), m_width);
  const int64_t bottom = std::min<int64_t>(int64_t(y) + (int64_t(rect.bottom) - rect.top), m_height);
  if (right <= left || bottom <= top) return;
  for (int64_t row = top; row < bottom; ++row)
    std::memset(RowPtr(int32_t(row)) + left, colour, size_t(right - left));
}

bool CSnapshotDib::BmpHeader(const CSnapshotPalette* palette, std::vector<uint8_t>& out, std::string* reason) const {
  if (m_bitsPerPixel != 8) {
    if (reason) *reason = "only 8-bit snapshots are written";
    return false;
  }
  if (!palette) {
    if (reason) *reason = "no palette for the bitmap";
    return false;
  }
  ByteWriter w(kBmpPixelOffset);
  w.U8('B');
  w.U8('M');
  w.U32(uint32_t(ImageSize() + kBmpPixelOffset));
  w.U32(0);
  w.U32(kBmpPixelOffset);
  w.U32(40);
  w.I32(m_width);
  w.I32(m_height);
  w.U16(1);
  w.U16(8);
  w.Zeros(24);
  for (const PaletteEntry& e : palette->Entries()) {
    w.U8(e.blue);
    w.U8(e.green);
    w.U8(e.red);
    w.U8(0);
  }
  out = std::move(w.Bytes());
  return true;
}

bool CSnapshotDib::BmpBytes(const CSnapshotPalette* palette, std::vector<uint8_t>& out, std::string* reason) const {
  if (!BmpHeader(palette, out, reason)) return false;
  out.insert(out.end(), Bits(), Bits() + m_size);
  return true;
}

bool CSnapshotDib::WriteBmp(const std::string& path, const CSnapshotPalette* palette, std::string* reason) const {
  std::vector<uint8_t> header;
  if (!BmpHeader(palette, header, reason)) return false;
  const std::span<const uint8_t> pieces[] = {header, {Bits(), m_size}};
  std::string error;
  if (!WriteFileAtomically(path, pieces, error)) {
    if (reason) *reason = error;
    return false;
  }
  return true;
}

void CSnapshotDib::Release() {
  m_pixels.Reset();
  m_size = 0;
  m_width = m_height = m_pitch = 0;
}

CSnapshotContext::CSnapshotContext() : m_display(&DisplayPalette::TrueColour()) {}
CSnapshotContext::CSnapshotContext(const DisplayPalette& display) : m_display(&display) {}
CSnapshotContext::~CSnapshotContext() = default;

CSnapshotDib* CSnapshotContext::MakeSurface(int32_t width, int32_t height, int32_t bitsPerPixel, uint32_t flags,
                                            std::string* reason) {
  auto surface = CSnapshotDib::Make(width, height, bitsPerPixel, flags, reason);
  if (!surface) return nullptr;
  m_surfaces.push_back(std::move(surface));
  return m_surfaces.back().get();
}

CSnapshotPalette* CSnapshotContext::MakePalette(const PaletteEntries& entries, uint32_t flags) {
  m_palettes.push_back(std::make_unique<CSnapshotPalette>(entries, flags, *m_display));
  return m_palettes.back().get();
}

void CSnapshotContext::Clear() {
  m_surfaces.clear();
  m_palettes.clear();
}

}  // namespace vyr
