// Tile repair: the ground and edge shape rules and the in-place sweep over a plane's grid.
#include "world/tile_repair.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>
#include <vector>

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

// The ground of a 3 × 3 neighbourhood as three columns of three bits (top, middle, bottom),
// left column lowest: what the sweep keeps in registers while it walks a row.
constexpr unsigned kColumnBits = 3;
constexpr unsigned kTop = 1, kMiddle = 2, kBottom = 4;

constexpr unsigned SideBits(unsigned neighbourhood) {
  const unsigned left = neighbourhood, middle = neighbourhood >> kColumnBits, right = neighbourhood >> 2 * kColumnBits;
  return (left & kMiddle ? kLeft : 0) | (right & kMiddle ? kRight : 0) | (middle & kTop ? kUp : 0) |
         (middle & kBottom ? kDown : 0) | (left & kTop ? kUpLeft : 0) | (right & kTop ? kUpRight : 0) |
         (left & kBottom ? kDownLeft : 0) | (right & kBottom ? kDownRight : 0);
}

// A ground cell's final value by its neighbourhood: the shape, then the below-left fix-up.
constexpr std::array<int32_t, 512> kGroundResult = [] {
  std::array<int32_t, 512> table{};
  for (unsigned neighbourhood = 0; neighbourhood < 512; ++neighbourhood) {
    const unsigned bits = SideBits(neighbourhood);
    const int32_t shape = ShapeOf(bits);
    table[neighbourhood] = (bits & kDownLeft) ? BelowLeftOf(shape) : shape;
  }
  return table;
}();

// An edge cell's value by left | below << 1 | below-left << 2 | odd column << 3 | odd row << 4.
constexpr std::array<int32_t, 32> kEdgeResult = [] {
  std::array<int32_t, 32> table{};
  for (unsigned i = 0; i < 32; ++i) table[i] = EdgeOf(i & 1, i & 2, i & 4, i & 8, i & 16);
  return table;
}();

// Repairs row r in `row`; the rows above and below exist when kUp and kDown say so. Returns
// the number of cells changed.
template <bool kUp, bool kDown>
int64_t RepairRow(const int32_t* up, int32_t* row, const int32_t* down, int32_t width, int32_t r, int32_t from,
                  int32_t to) {
  auto column = [&](int32_t c) -> unsigned {
    return (kUp && IsGroundTile(up[c]) ? kTop : 0) | (IsGroundTile(row[c]) ? kMiddle : 0) |
           (kDown && IsGroundTile(down[c]) ? kBottom : 0);
  };
  const unsigned oddRow = unsigned(r & 1) << 4;
  unsigned left = from > 0 ? column(from - 1) : 0, middle = column(from);
  int64_t changed = 0;
  for (int32_t c = from; c < to; ++c) {
    const unsigned right = c + 1 < width ? column(c + 1) : 0;
    const int32_t value = row[c];
    if (IsGroundTile(value) || IsEdgeTile(value)) {
      const int32_t repaired =
          IsGroundTile(value)
              ? kGroundResult[left | middle << kColumnBits | right << 2 * kColumnBits]
              : kEdgeResult[(left & kMiddle ? 1u : 0u) | (middle & kBottom ? 2u : 0u) | (left & kBottom ? 4u : 0u) |
                            unsigned(c & 1) << 3 | oddRow];
      if (repaired != value) {
        row[c] = repaired;
        ++changed;
      }
    }
    left = middle;
    middle = right;
  }
  return changed;
}

// Repairs row r of the width × height `cells` into `row`, which holds that row's values
// (the row itself or a copy: repairs keep every cell's family, so neighbours read the same).
// Only columns from … to − 1 are repaired; `row` still holds the whole row.
int64_t RepairRowOf(const int32_t* cells, int32_t* row, int32_t width, int32_t height, int32_t r, int32_t from = 0,
                    int32_t to = -1) {
  if (to < 0) to = width;
  const int32_t* at = cells + ptrdiff_t(r) * width;
  const bool hasUp = r > 0, hasDown = r + 1 < height;
  const int32_t* up = hasUp ? at - width : at;
  const int32_t* down = hasDown ? at + width : at;
  return hasUp ? (hasDown ? RepairRow<true, true>(up, row, down, width, r, from, to) : RepairRow<true, false>(up, row, down, width, r, from, to))
               : (hasDown ? RepairRow<false, true>(up, row, down, width, r, from, to)
                          : RepairRow<false, false>(up, row, down, width, r, from, to));
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
  for (int32_t r = 0; r < m_height; ++r)
    changed += RepairRowOf(cells, cells + ptrdiff_t(r) * m_width, m_width, m_height, r);
  return changed;
}

int64_t RepairTiles(CPlane& plane) {
  if (!plane.IsValid()) return 0;
  return RepairTilesIn(plane, {0, 0, plane.Width() - 1, plane.Height() - 1}, false);
}

int64_t RepairTilesIn(CPlane& plane, const CRect& changed, bool grow) {
  if (!plane.IsValid()) return 0;
  const int32_t width = plane.Width(), height = plane.Height();
  const int32_t reach = grow ? 1 : 0;
  const int32_t top = std::max(changed.top - reach, 0), bottom = std::min(changed.bottom + reach, height - 1);
  const int32_t from = std::max(changed.left - reach, 0), to = std::min(changed.right + reach, width - 1) + 1;
  if (from >= to) return 0;
  const int32_t* cells = plane.Tiles().data();
  // Each row is repaired in a copy and only its changed stretch written back, so that
  // undo keeps no more than the repair changed.
  std::vector<int32_t> row(static_cast<size_t>(width));
  int64_t count = 0;
  for (int32_t r = top; r <= bottom; ++r) {
    const int32_t* now = cells + ptrdiff_t(r) * width;
    // The neighbours just outside are read too.
    std::copy(now + std::max(from - 1, 0), now + std::min(to + 1, width), row.begin() + std::max(from - 1, 0));
    const int64_t fixed = RepairRowOf(cells, row.data(), width, height, r, from, to);
    if (fixed == 0) continue;
    count += fixed;
    const auto first = std::mismatch(row.begin() + from, row.begin() + to, now + from).first - row.begin();
    const auto last = to - (std::mismatch(row.rbegin() + (width - to), row.rend() - from, std::reverse_iterator(now + to)).first -
                            (row.rbegin() + (width - to)));
    plane.EditCells(plane.RowStart(r) + first, last - first, [&row, first](std::span<int32_t> out) {
      std::copy(row.begin() + first, row.begin() + first + ptrdiff_t(out.size()), out.begin());
    });
  }
  return count;
}

}  // namespace vyr
