// Reduced drawing of a plane's cells and objects, clipped to a target of any size.
#include "world/reduced_draw.h"

#include <algorithm>
#include <cstring>

#include "platform/saturate.h"
#include "resources/dib.h"
#include "resources/image_set.h"
#include "world/game_object.h"
#include "world/plane.h"

namespace vyr {

void ReducedImageCache::Prepare(int32_t divisor) {
  const uint64_t generation = ImageStoreGeneration();
  if (divisor == m_divisor && generation == m_generation) return;
  m_images.clear();
  m_bytes = 0;
  m_divisor = std::max(1, divisor);
  m_generation = generation;
}

const ReducedImage* ReducedImageCache::Of(const CImage& image, bool mirrored) {
  auto [it, added] = m_images.try_emplace({&image, mirrored});
  Entry& entry = it->second;
  if (!added) return entry.image.pixels ? &entry.image : nullptr;
  const CDibG& source = image.Surface();
  if (!source.IsCreated() || source.Width() <= 0 || source.Height() <= 0) return nullptr;
  const int64_t d = std::max(1, m_divisor), w = source.Width(), h = source.Height();
  ReducedImage& out = entry.image;
  out.width = (w + d - 1) / d;
  out.height = (h + d - 1) / d;
  out.transparent = image.m_transparent;
  if (d == 1 && !mirrored) {
    out.pixels = source.RowPtr(0);
    out.pitch = source.Height() > 1 ? source.RowPtr(1) - source.RowPtr(0) : source.Pitch();
  } else {
    entry.storage.resize(size_t(out.width * out.height));
    uint8_t* to = entry.storage.data();
    for (int64_t sy = 0; sy < h; sy += d) {
      const uint8_t* row = source.RowPtr(int32_t(sy));
      for (int64_t k = 0; k < out.width; ++k) *to++ = row[mirrored ? w - 1 - k * d : k * d];
    }
    m_bytes += entry.storage.size();
    out.pixels = entry.storage.data();
    out.pitch = ptrdiff_t(out.width);
  }
  if (out.transparent)
    for (int64_t y = 0; y < out.height && !out.holes; ++y)
      out.holes = std::memchr(out.pixels + y * out.pitch, 0, size_t(out.width)) != nullptr;
  return &out;
}

namespace {

// Target pixels [x0, x1) × [y0, y1) from the image, whose pixel (0, 0) lands at (x, y).
void Blit(const ReducedTarget& target, const ReducedImage& image, int64_t x, int64_t y, int64_t x0, int64_t y0,
          int64_t x1, int64_t y1) {
  x0 = std::max({x0, x, int64_t(0)});
  y0 = std::max({y0, y, int64_t(0)});
  x1 = std::min({x1, x + image.width, int64_t(target.width)});
  y1 = std::min({y1, y + image.height, int64_t(target.height)});
  if (x1 <= x0 || y1 <= y0) return;
  const size_t count = size_t(x1 - x0);
  const bool skipHoles = image.transparent && image.holes;
  for (int64_t row = y0; row < y1; ++row) {
    uint8_t* to = target.pixels + row * target.pitch + x0;
    const uint8_t* from = image.pixels + (row - y) * image.pitch + (x0 - x);
    uint8_t* tags = target.mask ? target.mask + row * target.maskPitch + x0 : nullptr;
    if (!skipHoles) {
      std::memcpy(to, from, count);
      if (tags) std::memset(tags, target.tag, count);
      continue;
    }
    for (size_t i = 0; i < count; ++i)
      if (from[i] != 0) {
        to[i] = from[i];
        if (tags) tags[i] = target.tag;
      }
  }
}

void Fill(const ReducedTarget& target, uint8_t colour, int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
  x0 = std::max<int64_t>(x0, 0);
  y0 = std::max<int64_t>(y0, 0);
  x1 = std::min<int64_t>(x1, target.width);
  y1 = std::min<int64_t>(y1, target.height);
  if (x1 <= x0 || y1 <= y0) return;
  for (int64_t row = y0; row < y1; ++row) {
    std::memset(target.pixels + row * target.pitch + x0, colour, size_t(x1 - x0));
    if (target.mask) std::memset(target.mask + row * target.maskPitch + x0, target.tag, size_t(x1 - x0));
  }
}

// The cells of one axis in view: those whose reduced span meets [first, first + extent).
struct AxisCells {
  int64_t from, to;  // cell indices, `to` excluded; outside the grid only when repeating
};

AxisCells CellsInView(int64_t first, int64_t extent, int64_t tile, int64_t d, int64_t count, bool repeat) {
  // The last cell starting at or before a reduced pixel p: floor(((p + 1) · d − 1) / tile).
  const int64_t from = FloorDiv((first + 1) * d - 1, tile);
  const int64_t to = FloorDiv((first + extent) * d - 1, tile) + 1;
  if (repeat) return {from, to};
  return {std::max<int64_t>(from, 0), std::min(to, count)};
}

int64_t Wrap(int64_t index, int64_t count) {
  const int64_t r = index % count;
  return r < 0 ? r + count : r;
}

// The reduced images of tile values met in one drawing, without a search per cell.
class TileImages {
 public:
  TileImages(const CPlane& plane, ReducedImageCache& cache) : m_plane(plane), m_cache(cache) {}
  const ReducedImage* Of(int32_t value) {
    if (value == m_lastValue) return m_last;
    auto [it, added] = m_byValue.try_emplace(value, nullptr);
    if (added) {
      const CImage* image = m_plane.LookupTileImage(value);
      it->second = image ? m_cache.Of(*image, false) : nullptr;
    }
    m_lastValue = value;
    m_last = it->second;
    return m_last;
  }

 private:
  const CPlane& m_plane;
  ReducedImageCache& m_cache;
  std::unordered_map<int32_t, const ReducedImage*> m_byValue;
  int32_t m_lastValue = kEmptyTile;
  const ReducedImage* m_last = nullptr;
};

}  // namespace

void DrawReducedCells(const CPlane& plane, int64_t left, int64_t top, int32_t divisor, ReducedImageCache& cache,
                      const ReducedTarget& target, bool repeatX, bool repeatY) {
  const int64_t tileWidth = plane.TileWidth(), tileHeight = plane.TileHeight();
  const int64_t columns = plane.Width(), rows = plane.Height();
  if (!plane.IsValid() || tileWidth <= 0 || tileHeight <= 0 || columns <= 0 || rows <= 0 || target.width <= 0 ||
      target.height <= 0)
    return;
  const int64_t d = std::max(1, divisor);
  const AxisCells across = CellsInView(left, target.width, tileWidth, d, columns, repeatX);
  const AxisCells down = CellsInView(top, target.height, tileHeight, d, rows, repeatY);
  const auto tiles = plane.Tiles();
  const uint8_t fillColour = uint8_t(plane.m_fillColour & 0xFF);
  TileImages images(plane, cache);
  for (int64_t r = down.from; r < down.to; ++r) {
    const int64_t y0 = ReducedEdge(r, tileHeight, d) - top, y1 = ReducedEdge(r + 1, tileHeight, d) - top;
    const int32_t* values = tiles.data() + plane.RowStart(int32_t(Wrap(r, rows)));
    for (int64_t c = across.from; c < across.to; ++c) {
      const int32_t value = values[repeatX ? Wrap(c, columns) : c];
      if (value == kEmptyTile) continue;
      const int64_t x0 = ReducedEdge(c, tileWidth, d) - left, x1 = ReducedEdge(c + 1, tileWidth, d) - left;
      if (value == kColourTile) {
        Fill(target, fillColour, x0, y0, x1, y1);
      } else if (const ReducedImage* image = images.Of(value)) {
        Blit(target, *image, x0, y0, x0, y0, x1, y1);
      }
    }
  }
}

void DrawReducedObjects(CPlane& plane, const CImageSetTable* imageSets, int64_t left, int64_t top, int32_t divisor,
                        ReducedImageCache& cache, const ReducedTarget& target) {
  if (!imageSets || plane.ObjectCount() == 0) return;
  const int64_t d = std::max(1, divisor);
  const int64_t reach = std::max<int64_t>(17, imageSets->Reach());
  const int64_t viewLeft = left * d - reach, viewTop = top * d - reach;
  const int64_t viewRight = (left + target.width) * d + reach, viewBottom = (top + target.height) * d + reach;
  for (CGameObject* object : plane.ObjectsAt(viewLeft, viewTop, viewRight, viewBottom)) {
    if (object->m_imageSet.empty()) continue;
    // The sets may have been reloaded since the object was last drawn.
    object->ForgetImage();
    object->UpdateBounds(imageSets);
    const CImage* image = object->m_image;
    if (!image) continue;
    const bool mirrored = object->m_drawFlags & kImageDrawMirrored;
    const ReducedImage* reduced = cache.Of(*image, mirrored);
    if (!reduced) continue;
    const int64_t x = int64_t(object->m_x) - (int64_t(object->m_imageWidth) >> 1) +
                      (mirrored ? -int64_t(image->m_offsetX) : int64_t(image->m_offsetX));
    const int64_t y = int64_t(object->m_y) - (int64_t(object->m_imageHeight) >> 1) + image->m_offsetY;
    const int64_t at = FloorDiv(x, d) - left, atTop = FloorDiv(y, d) - top;
    Blit(target, *reduced, at, atTop, at, atTop, at + reduced->width, atTop + reduced->height);
  }
}

}  // namespace vyr
