// Ground and edge shape rules of the demo tile set (the same rules as the editor's tile repair).
#include "cli/demo_shapes.h"

#include <cstddef>

namespace vyr::demo {

int32_t GroundShape(const Neighbours& n) {
  const int sides = (n.left ? 1 : 0) | (n.right ? 2 : 0) | (n.up ? 4 : 0) | (n.down ? 8 : 0);
  auto pick = [](bool a, bool b, int32_t neither, int32_t onlyB, int32_t onlyA, int32_t both) {
    return a ? (b ? both : onlyA) : (b ? onlyB : neither);
  };
  switch (sides) {
    case 0: return 1;
    case 8: return 2;
    case 2: return 3;
    case 4: return 4;
    case 1: return 5;
    case 1 | 2: return 6;
    case 4 | 8: return 7;
    case 1 | 4: return n.upLeft ? 42 : 8;
    case 1 | 8: return n.downLeft ? 38 : 9;
    case 2 | 8: return n.downRight ? 35 : 10;
    case 2 | 4: return n.upRight ? 39 : 11;
    case 1 | 2 | 4: return pick(n.upLeft, n.upRight, 12, 17, 18, 46);
    case 1 | 2 | 8: return pick(n.downLeft, n.downRight, 14, 21, 20, 47);
    case 1 | 4 | 8: return pick(n.upLeft, n.downLeft, 13, 27, 26, 45);
    case 2 | 4 | 8: return pick(n.upRight, n.downRight, 15, 24, 23, 44);
    default: break;
  }
  static constexpr int32_t kAllFour[16] = {16, 32, 29, 28, 33, 19, 34, 41,
                                           30, 31, 22, 37, 25, 40, 36, 43};
  const int diagonals = (n.downRight ? 1 : 0) | (n.upRight ? 2 : 0) | (n.downLeft ? 4 : 0) |
                        (n.upLeft ? 8 : 0);
  return kAllFour[diagonals];
}

int32_t BelowLeftVariant(int32_t shape) {
  switch (shape) {
    case 39: return 48;
    case 1: return 49;
    case 4: return 50;
    case 3: return 51;
    case 11: return 52;
    default: return shape;
  }
}

int32_t EdgeShape(bool left, bool below, bool belowLeft, int32_t column, int32_t row) {
  const bool oddColumn = (column & 1) != 0, oddRow = (row & 1) != 0;
  if (!left && !below && !belowLeft) {
    return oddColumn ? (oddRow ? 128 : 126) : (oddRow ? 127 : 125);
  }
  const int32_t base = oddColumn ? (oddRow ? 119 : 95) : (oddRow ? 107 : 83);
  int32_t offset = 0;
  if (left && below) offset = 5;
  else if (left && belowLeft) offset = 4;
  else if (below && belowLeft) offset = 3;
  else if (left) offset = 2;
  else if (belowLeft) offset = 1;
  return base + offset;
}

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

namespace {
bool IsGround(int32_t v) { return v >= kGroundFirst && v <= kGroundLast; }
bool IsEdge(int32_t v) { return v >= kEdgeFirst && v <= kEdgeLast; }
}  // namespace

void ShapeGrid(int32_t* cells, int32_t width, int32_t height) {
  auto at = [&](int32_t c, int32_t r) -> int32_t {
    if (c < 0 || r < 0 || c >= width || r >= height) return 0;
    return cells[size_t(r) * size_t(width) + size_t(c)];
  };
  for (int32_t r = 0; r < height; ++r) {
    for (int32_t c = 0; c < width; ++c) {
      if (!IsGround(at(c, r))) continue;
      Neighbours n;
      n.left = IsGround(at(c - 1, r));
      n.right = IsGround(at(c + 1, r));
      n.up = IsGround(at(c, r - 1));
      n.down = IsGround(at(c, r + 1));
      n.upLeft = IsGround(at(c - 1, r - 1));
      n.upRight = IsGround(at(c + 1, r - 1));
      n.downLeft = IsGround(at(c - 1, r + 1));
      n.downRight = IsGround(at(c + 1, r + 1));
      cells[size_t(r) * size_t(width) + size_t(c)] = GroundShape(n);
    }
  }
  for (int32_t r = 0; r < height; ++r) {
    for (int32_t c = 0; c < width; ++c) {
      int32_t& cell = cells[size_t(r) * size_t(width) + size_t(c)];
      if (IsEdge(cell))
        cell = EdgeShape(IsGround(at(c - 1, r)), IsGround(at(c, r + 1)), IsGround(at(c - 1, r + 1)), c, r);
      if (IsGround(cell) && IsGround(at(c - 1, r + 1))) cell = BelowLeftVariant(cell);
    }
  }
}

}  // namespace vyr::demo
