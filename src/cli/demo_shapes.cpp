// The neighbourhood each ground shape of the demo tile set is drawn for.
#include "cli/demo_shapes.h"

namespace vyr::demo {

Neighbours ShapeNeighbours(int32_t shape) {
  for (int mask = 0; mask < 256; ++mask) {
    Neighbours n;
    n.left = mask & 1;
    n.right = mask & 2;
    n.up = mask & 4;
    n.down = mask & 8;
    n.upLeft = mask & 16;
    n.upRight = mask & 32;
    n.downLeft = mask & 64;
    n.downRight = mask & 128;
    // Canonical: a diagonal only counts between two ground sides.
    if ((n.upLeft && !(n.up && n.left)) || (n.upRight && !(n.up && n.right)) ||
        (n.downLeft && !(n.down && n.left)) || (n.downRight && !(n.down && n.right)))
      continue;
    if (GroundShape(n) == shape) return n;
  }
  return {};
}

}  // namespace vyr::demo
