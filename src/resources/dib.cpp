// The 8-bit drawing surface: creation, fills, copies, clipped draws and re-indexing.
#include "resources/dib.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <utility>

#include "resources/pixel_arena.h"

namespace vyr {

CDibG::CDibG(RowOrder order) : m_order(order) {}
CDibG::~CDibG() = default;
CDibG::CDibG(CDibG&&) noexcept = default;
CDibG& CDibG::operator=(CDibG&&) noexcept = default;

bool CDibG::Fail(std::string* reason, std::string text) {
  Destroy();
  if (reason) *reason = std::move(text);
  return false;
}

bool CDibG::Allocate(int32_t width, int32_t height, const CPalId* palette) {
  if (width <= 0 || height <= 0 || width > kMaxSurfaceSide || height > kMaxSurfaceSide) return false;
  const int32_t pitch = int32_t((uint32_t(width) * 8 + 31) / 32 * 4);
  const uint64_t bytes = uint64_t(pitch) * uint64_t(height);
  if (bytes > kMaxSurfaceBytes) return false;
  if (bytes > m_capacity || !m_pixels) {  // a moved-from surface has no block
    if (m_arena)
      m_pixels = decltype(m_pixels)(m_arena->Allocate(size_t(bytes)), PixelRelease{false});
    else
      m_pixels = decltype(m_pixels)(new uint8_t[size_t(bytes)]);
    m_capacity = size_t(bytes);
  }
  const bool bottomUp = m_order == RowOrder::BottomUp;
  m_firstRow = bottomUp ? ptrdiff_t(height - 1) * pitch : 0;
  m_rowStep = bottomUp ? -ptrdiff_t(pitch) : ptrdiff_t(pitch);
  m_header = BitmapInfoHeader{};
  m_header.width = width;
  // A top-down DIB says so with a negative height.
  m_header.height = m_order == RowOrder::BottomUp ? height : -height;
  m_height = height;
  m_pitch = pitch;
  m_palette = palette;
  m_colourTable.reset();
  if (palette) SetColourTable(*palette);
  m_created = true;
  return true;
}

void CDibG::ClearPadding() {
  const size_t width = size_t(Width());
  if (width == size_t(m_pitch)) return;
  for (int32_t y = 0; y < m_height; ++y) std::memset(RowPtr(y) + width, 0, size_t(m_pitch) - width);
}

bool CDibG::CreateWithPalette(int32_t width, int32_t height, const CPalId* palette) {
  return Create(width, height, palette);
}

bool CDibG::Create(int32_t width, int32_t height, const CPalId* palette) {
  if (m_created) return true;
  if (!Allocate(width, height, palette)) return false;
  std::memset(Bits(), 0, ImageSize());
  return true;
}

void CDibG::Destroy() {
  Reset();
  m_pixels.reset();
  m_capacity = 0;
}

void CDibG::Reset() {
  m_header = BitmapInfoHeader{};
  m_height = 0;
  m_pitch = 0;
  m_created = false;
}

void CDibG::SetColourTable(const CPalId& palette) { m_colourTable = palette.SharedColourTable(); }

const ColourTableBytes& CDibG::ColourTable() const {
  static const ColourTableBytes kZeros{};
  return m_colourTable ? *m_colourTable : kZeros;
}

ColourTableBytes& CDibG::ColourTable() {
  // Every table is made non-const; one that no other surface or palette holds is ours to change.
  if (!m_colourTable || m_colourTable.use_count() > 1)
    m_colourTable = std::make_shared<ColourTableBytes>(std::as_const(*this).ColourTable());
  return const_cast<ColourTableBytes&>(*m_colourTable);
}

bool CDibG::CopyFrom(const CDibG& other, bool copyColourTable) {
  if (!other.m_created) return false;
  if (!m_created && !Create(other.Width(), other.Height(), other.m_palette)) return false;
  if (other.Width() != Width() || other.Height() != Height()) return false;
  for (int32_t y = 0; y < m_height; ++y) std::memcpy(RowPtr(y), other.RowPtr(y), size_t(m_pitch));
  if (copyColourTable) m_colourTable = other.m_colourTable;
  return true;
}

void CDibG::FlipVertical() {
  if (!m_created || m_height < 2) return;
  std::vector<uint8_t> scratch(static_cast<size_t>(m_pitch));
  for (int32_t y = 0; y < m_height / 2; ++y) {
    uint8_t* a = RowPtr(y);
    uint8_t* b = RowPtr(m_height - 1 - y);
    std::memcpy(scratch.data(), a, scratch.size());
    std::memcpy(a, b, scratch.size());
    std::memcpy(b, scratch.data(), scratch.size());
  }
}

void CDibG::Fill(uint8_t colour) {
  if (m_created) std::memset(Bits(), colour, ImageSize());
}

void CDibG::FillRect(const CRect& rect, uint8_t colour) { FillRectAt(rect.left, rect.top, rect, colour); }

void CDibG::FillRectAt(int32_t x, int32_t y, const CRect& rect, uint8_t colour) {
  if (!m_created) return;
  // A filled cell covers exactly its own columns and rows: the bottom edge is exclusive.
  const int64_t left = std::max<int64_t>(x, 0);
  const int64_t top = std::max<int64_t>(y, 0);
  // Sizes are taken wide: a rectangle may span more than 2^31 (right - left overflows).
  const int64_t right = std::min<int64_t>(int64_t(x) + (int64_t(rect.right) - rect.left), Width());
  const int64_t bottom = std::min<int64_t>(int64_t(y) + (int64_t(rect.bottom) - rect.top), m_height);
  if (right <= left || bottom <= top) return;
  for (int64_t row = top; row < bottom; ++row)
    std::memset(RowPtr(int32_t(row)) + left, colour, size_t(right - left));
}

uint8_t CDibG::GetPixel(int32_t x, int32_t y) const {
  if (!m_created || x < 0 || y < 0 || x >= Width() || y >= m_height) return 0;
  return *PixelPtr(x, y);
}

void CDibG::SetPixel(int32_t x, int32_t y, uint8_t colour) {
  if (!m_created || x < 0 || y < 0 || x >= Width() || y >= m_height) return;
  *PixelPtr(x, y) = colour;
}

namespace {

// The visible part of a W x H source drawn at (x, y) on a w x h target.
struct DrawClip {
  int32_t firstColumn, lastColumn, firstRow, lastRow, targetX, targetY;
};

bool ClipDraw(int64_t x, int64_t y, int64_t sourceWidth, int64_t sourceHeight, int64_t width, int64_t height,
              DrawClip& clip) {
  if (x + sourceWidth - 1 < 0 || y + sourceHeight - 1 < 0 || x >= width || y >= height) return false;
  const int64_t firstColumn = x < 0 ? -x : 0;
  const int64_t firstRow = y < 0 ? -y : 0;
  const int64_t lastColumn = x + sourceWidth - 1 < width ? sourceWidth - 1 : width - 1 - x;
  const int64_t lastRow = y + sourceHeight - 1 < height ? sourceHeight - 1 : height - 1 - y;
  if (lastColumn < firstColumn || lastRow < firstRow) return false;
  clip = DrawClip{int32_t(firstColumn), int32_t(lastColumn), int32_t(firstRow),
                  int32_t(lastRow),     int32_t(std::max<int64_t>(x, 0)), int32_t(std::max<int64_t>(y, 0))};
  return true;
}

void CopyTransparent(uint8_t* target, const uint8_t* source, size_t count) {
  // Written as a select, not a branch, so the compiler can vectorise it.
  for (size_t i = 0; i < count; ++i) {
    const uint8_t v = source[i];
    target[i] = v != 0 ? v : target[i];
  }
}

}  // namespace

bool CDibG::Draw(int32_t x, int32_t y, const CDibG& source, bool transparent) {
  if (!m_created || !source.m_created) return false;
  DrawClip clip;
  if (!ClipDraw(x, y, source.Width(), source.Height(), Width(), m_height, clip)) return false;
  const size_t count = size_t(clip.lastColumn - clip.firstColumn + 1);
  for (int32_t row = clip.firstRow; row <= clip.lastRow; ++row) {
    const uint8_t* from = source.PixelPtr(clip.firstColumn, row);
    uint8_t* to = PixelPtr(clip.targetX, clip.targetY + row - clip.firstRow);
    if (transparent)
      CopyTransparent(to, from, count);
    else
      std::memcpy(to, from, count);
  }
  return true;
}

bool CDibG::DrawMirrored(int32_t x, int32_t y, const CDibG& source, bool transparent) {
  if (!m_created || !source.m_created) return false;
  DrawClip clip;
  if (!ClipDraw(x, y, source.Width(), source.Height(), Width(), m_height, clip)) return false;
  // Column c of the mirrored image is source column W - 1 - c, so a clipped draw shows
  // the same part of the mirrored image as an unclipped one would.
  const int32_t count = clip.lastColumn - clip.firstColumn + 1;
  const int32_t startColumn = source.Width() - 1 - clip.firstColumn;
  for (int32_t row = clip.firstRow; row <= clip.lastRow; ++row) {
    const uint8_t* from = source.PixelPtr(startColumn, row);
    uint8_t* to = PixelPtr(clip.targetX, clip.targetY + row - clip.firstRow);
    if (transparent) {
      // The row turned around in pieces, then the plain transparent copy: a branch per
      // pixel would stall on sprites' unpredictable clear and opaque runs.
      uint8_t turned[256];
      for (int32_t done = 0; done < count;) {
        const int32_t piece = std::min<int32_t>(count - done, int32_t(sizeof turned));
        int32_t i = 0;
        // Eight bytes at a time: a byte swap turns a word around wherever it lies.
        for (; i + 8 <= piece; i += 8) {
          uint64_t word;
          std::memcpy(&word, from - done - i - 7, sizeof word);
          word = __builtin_bswap64(word);
          std::memcpy(turned + i, &word, sizeof word);
        }
        for (; i < piece; ++i) turned[i] = *(from - done - i);
        CopyTransparent(to + done, turned, size_t(piece));
        done += piece;
      }
    } else {
      for (int32_t i = 0; i < count; ++i) to[i] = *(from - i);
    }
  }
  return true;
}

bool CDibG::DrawRect(int32_t x, int32_t y, const CDibG& source, const CRect& sourceRect, bool transparent) {
  if (!m_created || !source.m_created) return false;
  // Sizes beyond 2^31 (right - left overflows) clip to the surfaces like any large size.
  const auto size = [](int32_t from, int32_t to) {
    return int32_t(std::clamp<int64_t>(int64_t(to) - from, INT32_MIN, INT32_MAX));
  };
  const int32_t width = size(sourceRect.left, sourceRect.right);
  const int32_t height = size(sourceRect.top, sourceRect.bottom);
  if (transparent)
    CopyRectTransparent(source, sourceRect.left, sourceRect.top, x, y, width, height);
  else
    CopyRect(source, sourceRect.left, sourceRect.top, x, y, width, height);
  return true;
}

namespace {

// Shrinks a copy so that both the source and the target rectangle lie inside their
// surfaces; false when nothing is left.
bool ClipCopy(int64_t& sourceX, int64_t& sourceY, int64_t& targetX, int64_t& targetY, int64_t& width,
              int64_t& height, const CDibG& source, const CDibG& target) {
  auto clipAxis = [](int64_t& s, int64_t& t, int64_t& n, int64_t sourceSize, int64_t targetSize) {
    const int64_t shift = std::max<int64_t>({0, -s, -t});
    s += shift;
    t += shift;
    n -= shift;
    n = std::min({n, sourceSize - s, targetSize - t});
    return n > 0;
  };
  return clipAxis(sourceX, targetX, width, source.Width(), target.Width()) &&
         clipAxis(sourceY, targetY, height, source.Height(), target.Height());
}

}  // namespace

void CDibG::CopyRect(const CDibG& source, int32_t sourceX, int32_t sourceY, int32_t targetX, int32_t targetY,
                     int32_t width, int32_t height) {
  if (!m_created || !source.m_created) return;
  int64_t sx = sourceX, sy = sourceY, tx = targetX, ty = targetY, w = width, h = height;
  if (!ClipCopy(sx, sy, tx, ty, w, h, source, *this)) return;
  for (int64_t row = 0; row < h; ++row)
    std::memmove(PixelPtr(int32_t(tx), int32_t(ty + row)), source.PixelPtr(int32_t(sx), int32_t(sy + row)),
                 size_t(w));
}

void CDibG::CopyRectTransparent(const CDibG& source, int32_t sourceX, int32_t sourceY, int32_t targetX,
                                int32_t targetY, int32_t width, int32_t height) {
  if (!m_created || !source.m_created) return;
  int64_t sx = sourceX, sy = sourceY, tx = targetX, ty = targetY, w = width, h = height;
  if (!ClipCopy(sx, sy, tx, ty, w, h, source, *this)) return;
  for (int64_t row = 0; row < h; ++row)
    CopyTransparent(PixelPtr(int32_t(tx), int32_t(ty + row)), source.PixelPtr(int32_t(sx), int32_t(sy + row)),
                    size_t(w));
}

bool CDibG::ReindexToColourCube(const CPalId* palette) {
  if (!palette) palette = m_palette;
  if (!palette || !palette->IsCreated() || !m_created) return false;
  std::array<uint8_t, kPaletteEntryCount> map{};
  for (size_t i = 0; i < kPaletteEntryCount; ++i) {
    const PaletteEntry& e = palette->Entry(i);
    map[i] = ColourCubeIndex(e.red, e.green, e.blue);
  }
  uint8_t* pixels = Bits();
  for (size_t i = 0; i < ImageSize(); ++i) pixels[i] = map[pixels[i]];
  return true;
}

}  // namespace vyr
