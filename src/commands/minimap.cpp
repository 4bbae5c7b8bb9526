// The minimap's picture: average colours of blocks of cells, the view's rectangle on it.
#include "commands/minimap.h"

#include <algorithm>

#include "platform/saturate.h"
#include "resources/dib.h"
#include "resources/image_set.h"
#include "resources/palette.h"
#include "world/plane.h"
#include "world/world_doc.h"

namespace vyr {

namespace {

constexpr uint32_t kOpaque = 0xFF000000u;

uint32_t ColourOf(const CPalId& palette, uint8_t index) {
  const PaletteEntry& e = palette.Entry(index);
  return kOpaque | uint32_t(e.red) << 16 | uint32_t(e.green) << 8 | uint32_t(e.blue);
}

uint32_t AverageOf(const CImage& image, const CPalId& palette) {
  const CDibG& surface = image.Surface();
  uint64_t r = 0, g = 0, b = 0, n = 0;
  for (int32_t y = 0; y < surface.Height(); ++y) {
    const uint8_t* row = surface.RowPtr(y);
    for (int32_t x = 0; x < surface.Width(); ++x) {
      // The holes of a transparent image show what lies beneath, not their colour.
      if (image.m_transparent && row[x] == 0) continue;
      const PaletteEntry& e = palette.Entry(row[x]);
      r += e.red, g += e.green, b += e.blue, ++n;
    }
  }
  if (n == 0) return ColourOf(palette, 255);
  return kOpaque | uint32_t(r / n) << 16 | uint32_t(g / n) << 8 | uint32_t(b / n);
}

}  // namespace

uint32_t CMinimap::CellColour(const CPlane& plane, const CPalId& palette, int32_t value) {
  if (value == kColourTile) return ColourOf(palette, uint8_t(plane.m_fillColour & 0xFF));
  if (!IsImageTile(value)) return ColourOf(palette, 255);
  const uint32_t set = TileSetNumber(value), number = uint32_t(value) & 0xFFFF;
  if (set >= m_colours.size()) m_colours.resize(set + 1);
  std::vector<uint32_t>& colours = m_colours[set];
  if (number >= colours.size()) colours.resize(number + 1, 0);
  uint32_t& colour = colours[number];
  if (colour == 0) {
    const CImage* image = plane.LookupTileImage(value);
    colour = image && image->Surface().IsCreated() ? AverageOf(*image, palette) : ColourOf(palette, 255);
  }
  return colour;
}

void CMinimap::Build(const CPlane& plane, const CPalId& palette, int32_t maxWidth, int32_t maxHeight) {
  Clear();
  const int64_t columns = plane.Width(), rows = plane.Height();
  if (!plane.IsValid() || columns <= 0 || rows <= 0 || maxWidth <= 0 || maxHeight <= 0) return;
  m_generation = ImageStoreGeneration();
  const int64_t k = std::max({int64_t(1), (columns + maxWidth - 1) / maxWidth, (rows + maxHeight - 1) / maxHeight});
  m_cellsPerPixel = int32_t(k);
  m_width = int32_t((columns + k - 1) / k);
  m_height = int32_t((rows + k - 1) / k);
  m_tileWidth = std::max(1, plane.TileWidth());
  m_tileHeight = std::max(1, plane.TileHeight());
  m_pixels.assign(size_t(m_width) * size_t(m_height), 0);
  // Sums per pixel of a row of blocks, filled one cell row at a time.
  std::vector<uint32_t> sums(size_t(m_width) * 3);
  const auto tiles = plane.Tiles();
  int32_t lastValue = kEmptyTile;
  uint32_t lastColour = CellColour(plane, palette, lastValue);
  for (int64_t y = 0; y < m_height; ++y) {
    std::fill(sums.begin(), sums.end(), 0);
    const int64_t rowEnd = std::min(rows, (y + 1) * k);
    for (int64_t r = y * k; r < rowEnd; ++r) {
      const int32_t* values = tiles.data() + plane.RowStart(int32_t(r));
      for (int64_t c = 0; c < columns; ++c) {
        if (values[c] != lastValue) {
          lastValue = values[c];
          lastColour = CellColour(plane, palette, lastValue);
        }
        uint32_t* sum = &sums[size_t(c / k) * 3];
        sum[0] += (lastColour >> 16) & 0xFF;
        sum[1] += (lastColour >> 8) & 0xFF;
        sum[2] += lastColour & 0xFF;
      }
    }
    for (int64_t x = 0; x < m_width; ++x) {
      const int64_t count = (rowEnd - y * k) * (std::min(columns, (x + 1) * k) - x * k);
      const uint32_t* sum = &sums[size_t(x) * 3];
      m_pixels[size_t(y * m_width + x)] =
          kOpaque | uint32_t(sum[0] / count) << 16 | uint32_t(sum[1] / count) << 8 | uint32_t(sum[2] / count);
    }
  }
}

void CMinimap::DrawBlock(const CPlane& plane, const CPalId& palette, int32_t x, int32_t y) {
  const int64_t k = m_cellsPerPixel;
  const int64_t right = std::min<int64_t>(plane.Width(), (x + 1) * k);
  const int64_t bottom = std::min<int64_t>(plane.Height(), (y + 1) * k);
  uint64_t r = 0, g = 0, b = 0, n = 0;
  for (int64_t row = y * k; row < bottom; ++row)
    for (int64_t c = x * k; c < right; ++c) {
      const uint32_t colour = CellColour(plane, palette, plane.GetTile(int32_t(c), int32_t(row)));
      r += (colour >> 16) & 0xFF, g += (colour >> 8) & 0xFF, b += colour & 0xFF, ++n;
    }
  if (n > 0) m_pixels[size_t(y) * size_t(m_width) + size_t(x)] = kOpaque | uint32_t(r / n) << 16 | uint32_t(g / n) << 8 | uint32_t(b / n);
}

void CMinimap::UpdateCells(const CPlane& plane, const CPalId& palette, const CRect& cells) {
  if (Empty()) return;
  const int64_t k = m_cellsPerPixel;
  if (ImageStoreGeneration() != m_generation) {
    m_colours.clear();
    m_generation = ImageStoreGeneration();
  }
  const int32_t left = int32_t(std::max<int64_t>(0, cells.left / k));
  const int32_t top = int32_t(std::max<int64_t>(0, cells.top / k));
  const int32_t right = int32_t(std::min<int64_t>(m_width - 1, cells.right / k));
  const int32_t bottom = int32_t(std::min<int64_t>(m_height - 1, cells.bottom / k));
  for (int32_t y = top; y <= bottom; ++y)
    for (int32_t x = left; x <= right; ++x) DrawBlock(plane, palette, x, y);
}

CRect CMinimap::ViewRect(int32_t scrollX, int32_t scrollY, int32_t clientWidth, int32_t clientHeight) const {
  const int64_t blockWidth = int64_t(m_tileWidth) * m_cellsPerPixel;
  const int64_t blockHeight = int64_t(m_tileHeight) * m_cellsPerPixel;
  const int64_t left = FloorDiv(scrollX, blockWidth), top = FloorDiv(scrollY, blockHeight);
  const int64_t right = std::max(left + 1, -FloorDiv(-(int64_t(scrollX) + clientWidth), blockWidth));
  const int64_t bottom = std::max(top + 1, -FloorDiv(-(int64_t(scrollY) + clientHeight), blockHeight));
  return {Saturate(left), Saturate(top), Saturate(std::min<int64_t>(right, m_width)),
          Saturate(std::min<int64_t>(bottom, m_height))};
}

PixelPoint CMinimap::ViewPixelAt(int32_t x, int32_t y) const {
  const int64_t blockWidth = int64_t(m_tileWidth) * m_cellsPerPixel;
  const int64_t blockHeight = int64_t(m_tileHeight) * m_cellsPerPixel;
  return {Saturate(int64_t(x) * blockWidth + blockWidth / 2), Saturate(int64_t(y) * blockHeight + blockHeight / 2)};
}

CMinimapModel::CMinimapModel(CWorldDoc& document, int32_t maxWidth, int32_t maxHeight)
    : m_document(document), m_maxWidth(maxWidth), m_maxHeight(maxHeight) {
  m_document.AddObserver(this);
}

CMinimapModel::~CMinimapModel() { m_document.RemoveObserver(this); }

void CMinimapModel::Stale() {
  m_stale = true;
  m_picture.Clear();
  if (m_shown && m_changed) m_changed();
}

void CMinimapModel::WorldChanged(const ChangeNotice& notice) {
  const CPlane* plane = m_document.CurrentPlane();
  if (notice.planeStack || notice.planeSettings || notice.attributes) return Stale();
  if (!notice.cellsPlane || notice.cellsPlane != plane || m_stale) return;
  const bool wholeGrid = notice.cells == CRect{0, 0, plane->Width() - 1, plane->Height() - 1};
  if (wholeGrid || !m_shown || !m_document.Palette()) return Stale();
  m_picture.UpdateCells(*plane, *m_document.Palette(), notice.cells);
  if (m_changed) m_changed();
}

const CMinimap& CMinimapModel::Picture() {
  if (m_stale) {
    const CPlane* plane = m_document.HasLoadedWorld() ? m_document.CurrentPlane() : nullptr;
    const CPalId* palette = m_document.Palette();
    if (plane && palette && palette->IsCreated()) {
      m_picture.Build(*plane, *palette, m_maxWidth, m_maxHeight);
      m_stale = false;
    }
  }
  return m_picture;
}

}  // namespace vyr
