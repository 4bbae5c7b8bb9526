// Tile repair: the ground and edge shape rules and the in-place sweep over a plane's grid.
#include "world/tile_repair.h"

#include <array>
#include <cstddef>

#include "world/plane.h"

namespace vyr {

namespace {

// Neighbour bits of a ground cell.
constexpr unsigned kLeft = 1, kRight = 2, kUp = 4, kDown = 8;
constexpr unsigned kUpLeft = 16, kUpRight = 32, kDownLeft = 64, kDownRight = 128;

constexpr int32_t ShapeOf(unsigned bits) {
  const bool ul = bits & kUpLeft, ur = bits & kUpRight, dl = bits & kDownLeft, dr = bits & kDownRight;
  // The shape for three ground sides, by the two diagonals between them.
  auto pick = [](bool a, bool b, int32_t neither, int32_t onlyB, int32_t onlyA, int32_t both) {
    return a ? (b ? both : onlyA) : (b ? onlyB : neither);
  };
  switch (bits & 15u) {
    case 0: return 1;
    case kDown: return 2;
    case kRight: return 3;
    case kUp: return 4;
    case kLeft: return 5;
    case kLeft | kRight: return 6;
    case kUp | kDown: return 7;
    case kLeft | kUp: return ul ? 42 : 8;
    case kLeft | kDown: return dl ? 38 : 9;
    case kRight | kDown: return dr ? 35 : 10;
    case kRight | kUp: return ur ? 39 : 11;
    case kLeft | kRight | kUp: return pick(ul, ur, 12, 17, 18, 46);
    case kLeft | kRight | kDown: return pick(dl, dr, 14, 21, 20, 47);
    case kLeft | kUp | kDown: return pick(ul, dl, 13, 27, 26, 45);
    case kRight | kUp | kDown: return pick(ur, dr, 15, 24, 23, 44);
    default: break;
  }
  constexpr int32_t kAllFour[16] = {16, 32, 29, 28, 33, 19, 34, 41, 30, 31, 22, 37, 25, 40, 36, 43};
  return kAllFour[(dr ? 1 : 0) | (ur ? 2 : 0) | (dl ? 4 : 0) | (ul ? 8 : 0)];
}

constexpr int32_t BelowLeftOf(int32_t shape) {
  switch (shape) {
    case 39: return 48;
    case 1: return 49;
    case 4: return 50;
    case 3: return 51;
    case 11: return 52;
    default: return shape;
  }
}

constexpr int32_t EdgeOf(bool left, bool below, bool belowLeft, bool oddColumn, bool oddRow) {
  if (!left && !below && !belowLeft) return oddColumn ? (oddRow ? 128 : 126) : (oddRow ? 127 : 125);
  const int32_t base = oddColumn ? (oddRow ? 119 : 95) : (oddRow ? 107 : 83);
  if (left && below) return base + 5;
  if (left) return base + (belowLeft ? 4 : 2);
  return base + (belowLeft ? (below ? 3 : 1) : 0);
}

// A ground cell's final value by its neighbour bits: the shape, then the below-left fix-up.
constexpr std::array<int32_t, 256> kGroundResult = [] {
  std::array<int32_t, 256> table{};
  for (unsigned bits = 0; bits < 256; ++bits) {
    const int32_t shape = ShapeOf(bits);
    table[bits] = (bits & kDownLeft) ? BelowLeftOf(shape) : shape;
  }
  return table;
}();

// An edge cell's value by left | below << 1 | below-left << 2 | odd column << 3 | odd row << 4.
constexpr std::array<int32_t, 32> kEdgeResult = [] {
  std::array<int32_t, 32> table{};
  for (unsigned i = 0; i < 32; ++i) table[i] = EdgeOf(i & 1, i & 2, i & 4, i & 8, i & 16);
  return table;
}();

// The repaired value of cell (c, r) holding `value`, a ground or edge tile. With kChecked
// off the caller guarantees that all eight neighbours lie inside the grid.
template <bool kChecked>
int32_t Repaired(const int32_t* cells, int32_t width, int32_t height, int32_t c, int32_t r, int32_t value) {
  const int32_t* at = cells + ptrdiff_t(r) * width + c;
  auto ground = [&](int32_t dc, int32_t dr) -> unsigned {
    if (kChecked && (c + dc < 0 || c + dc >= width || r + dr < 0 || r + dr >= height)) return 0;
    return IsGroundTile(at[ptrdiff_t(dr) * width + dc]) ? 1u : 0u;
  };
  if (IsEdgeTile(value)) {
    return kEdgeResult[ground(-1, 0) | ground(0, 1) << 1 | ground(-1, 1) << 2 | unsigned(c & 1) << 3 |
                       unsigned(r & 1) << 4];
  }
  return kGroundResult[ground(-1, 0) | ground(1, 0) << 1 | ground(0, -1) << 2 | ground(0, 1) << 3 |
                       ground(-1, -1) << 4 | ground(1, -1) << 5 | ground(-1, 1) << 6 | ground(1, 1) << 7];
}

}  // namespace

int32_t GroundShape(const GroundNeighbours& n) {
  return ShapeOf((n.left ? kLeft : 0) | (n.right ? kRight : 0) | (n.up ? kUp : 0) | (n.down ? kDown : 0) |
                 (n.upLeft ? kUpLeft : 0) | (n.upRight ? kUpRight : 0) | (n.downLeft ? kDownLeft : 0) |
                 (n.downRight ? kDownRight : 0));
}

int32_t BelowLeftVariant(int32_t shape) { return BelowLeftOf(shape); }

int32_t EdgeShape(bool left, bool below, bool belowLeft, int32_t column, int32_t row) {
  return EdgeOf(left, below, belowLeft, (column & 1) != 0, (row & 1) != 0);
}

CTileRepair::CTileRepair(std::span<int32_t> cells, int32_t width, int32_t height)
    : m_cells(cells), m_width(width), m_height(height) {}

int64_t CTileRepair::Run() {
  if (m_width <= 0 || m_height <= 0 || m_cells.size() < size_t(m_width) * size_t(m_height)) return 0;
  int32_t* cells = m_cells.data();
  int64_t changed = 0;
  for (int32_t r = 0; r < m_height; ++r) {
    int32_t* row = cells + ptrdiff_t(r) * m_width;
    const bool borderRow = r == 0 || r == m_height - 1;
    for (int32_t c = 0; c < m_width; ++c) {
      const int32_t value = row[c];
      if (!IsGroundTile(value) && !IsEdgeTile(value)) continue;
      const bool border = borderRow || c == 0 || c == m_width - 1;
      const int32_t repaired = border ? Repaired<true>(cells, m_width, m_height, c, r, value)
                                      : Repaired<false>(cells, m_width, m_height, c, r, value);
      if (repaired != value) {
        row[c] = repaired;
        ++changed;
      }
    }
  }
  return changed;
}

int64_t RepairTiles(CPlane& plane) {
  if (!plane.IsValid()) return 0;
  return CTileRepair(plane.Tiles(), plane.Width(), plane.Height()).Run();
}

}  // namespace vyr
