// Planes and objects drawn reduced by a divisor straight into an 8-bit picture, as the view shows them below 100 %.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vyr {

class CImage;
class CImageSetTable;
class CPlane;

// An image reduced by the divisor: every d-th pixel of every d-th row (read from the right
// edge leftwards when mirrored).
struct ReducedImage {
  const uint8_t* pixels = nullptr;  // rows top first
  ptrdiff_t pitch = 0;
  int64_t width = 0;
  int64_t height = 0;
  bool holes = false;  // a pixel of index 0 that a transparent drawing skips
  bool transparent = false;
};

// Reduced images kept from one drawing to the next. Everything is dropped when the divisor
// changes or any image set was made, freed or changed since. At 1:1 an image is used in
// place, so the cache never holds more than the image sets at 1:1.
class ReducedImageCache {
 public:
  // Readies the cache for a drawing at `divisor`.
  void Prepare(int32_t divisor);
  int32_t Divisor() const { return m_divisor; }
  // Null for an image without pixels.
  const ReducedImage* Of(const CImage& image, bool mirrored);
  // The bytes of reduced pixels held.
  size_t Bytes() const { return m_bytes; }

 private:
  struct Entry {
    ReducedImage image;
    std::vector<uint8_t> storage;
  };
  int32_t m_divisor = 0;
  uint64_t m_generation = ~uint64_t(0);
  std::map<std::pair<const CImage*, bool>, Entry> m_images;
  size_t m_bytes = 0;
};

// Where a drawing lands: `width` × `height` pixels, `pitch` bytes from row to row; with a
// mask, each pixel written also writes `tag` at the same place of the mask.
struct ReducedTarget {
  uint8_t* pixels = nullptr;
  ptrdiff_t pitch = 0;
  int32_t width = 0;
  int32_t height = 0;
  uint8_t* mask = nullptr;
  ptrdiff_t maskPitch = 0;
  uint8_t tag = 0;
};

// The first reduced pixel of cell (or pixel run) `index` of `tile` pixels: (index · tile) / d.
inline int64_t ReducedEdge(int64_t index, int64_t tile, int64_t d) {
  const int64_t product = index * tile;
  return product >= 0 ? product / d : -((-product + d - 1) / d);
}

// The plane's cells reduced by d, target pixel (0, 0) showing reduced pixel (left, top):
// cell c spans (c · tile) / d up to ((c + 1) · tile) / d, tile images clipped to it and drawn
// from their reduced copy (index 0 skipped in transparent ones), colour cells filled, empty
// cells and missing images left as they are. With `repeatX` / `repeatY` the plane repeats
// endlessly along that axis, as the game shows an endless plane.
void DrawReducedCells(const CPlane& plane, int64_t left, int64_t top, int32_t d, ReducedImageCache& cache,
                      const ReducedTarget& target, bool repeatX = false, bool repeatY = false);

// The plane's objects over it, placed as the view places them (centred on their position,
// shifted by the hot spot, mirrored by their flag) and reduced by d, the same target pixel
// (0, 0) showing reduced pixel (left, top).
void DrawReducedObjects(CPlane& plane, const CImageSetTable* imageSets, int64_t left, int64_t top, int32_t d,
                        ReducedImageCache& cache, const ReducedTarget& target);

}  // namespace vyr
