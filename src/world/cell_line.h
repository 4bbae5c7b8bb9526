// The cells a mouse stroke crosses between two positions: a line without gaps.
#pragma once

#include <cstdint>
#include <cstdlib>

namespace vyr {

// Calls visit(column, row) for every cell from (c0, r0) to (c1, r1), both included, each one
// step left, right, up or down from the one before, so a brush painted along it leaves no
// diagonal gap; the cells stay within half a cell of the straight line.
template <typename Visit>
void ForCellsOnLine(int32_t c0, int32_t r0, int32_t c1, int32_t r1, Visit&& visit) {
  const int64_t dx = std::llabs(int64_t(c1) - c0), dy = std::llabs(int64_t(r1) - r0);
  const int32_t sx = c1 < c0 ? -1 : 1, sy = r1 < r0 ? -1 : 1;
  int32_t c = c0, r = r0;
  visit(c, r);
  // Steps along x while the next column's middle comes before the next row's middle on
  // the way: (ix + ½) / dx < (iy + ½) / dy, in integers.
  for (int64_t ix = 0, iy = 0; ix + iy < dx + dy;) {
    if ((1 + 2 * ix) * dy < (1 + 2 * iy) * dx) {
      ++ix;
      c += sx;
    } else {
      ++iy;
      r += sy;
    }
    visit(c, r);
  }
}

}  // namespace vyr
