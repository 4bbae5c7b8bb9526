// The tile images the drawing benchmarks share.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "resources/image_set.h"
#include "resources/palette.h"

namespace vyr::bench {

// `count` square tiles of `side` pixels put into `set`: opaque, or discs of colour on index 0
// like sprite-shaped tiles (transparent). Returns the bytes of their pixels.
inline size_t AddTiles(CImageSet& set, const CPalId& palette, int count, int32_t side, bool discs) {
  size_t bytes = 0;
  for (int n = 0; n < count; ++n) {
    auto image = std::make_unique<CImage>();
    image->Surface().Create(side, side, &palette);
    for (int32_t v = 0; v < side; ++v)
      for (int32_t u = 0; u < side; ++u) {
        const int32_t du = u - 32, dv = v - 32;
        const bool inside = !discs || du * du + dv * dv < (20 + n) * (20 + n);
        image->Surface().SetPixel(u, v, inside ? uint8_t(1 + (n * 17 + u + v) % 250) : 0);
      }
    image->m_width = image->m_height = side;
    image->m_transparent = discs;
    bytes += image->Surface().ImageSize();
    set.PutImage(n, std::move(image));
  }
  return bytes;
}

}  // namespace vyr::bench
