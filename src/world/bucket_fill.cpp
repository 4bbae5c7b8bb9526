// Span-by-span bucket fill with an explicit stack.
#include "world/bucket_fill.h"

#include <algorithm>
#include <vector>

#include "world/plane.h"

namespace vyr {

int64_t BucketFill(CPlane& plane, int32_t column, int32_t row, int32_t value, CRect* bounds) {
  if (!plane.InGrid(column, row)) return 0;
  const int32_t width = plane.Width(), height = plane.Height();
  const int32_t* cells = plane.Tiles().data();
  const int32_t target = cells[plane.RowStart(row) + column];
  if (target == value) return 0;
  struct Seed {
    int32_t column, row;
  };
  std::vector<Seed> stack{{column, row}};
  int64_t changed = 0;
  CRect box{column, row, column, row};
  // Pushes the first cell of each run of target cells in columns from … to of row r.
  const auto seedRuns = [&](int32_t from, int32_t to, int32_t r) {
    const int32_t* line = cells + plane.RowStart(r);
    for (int32_t c = from; c <= to; ++c) {
      if (line[c] != target) continue;
      stack.push_back({c, r});
      while (c <= to && line[c] == target) ++c;
    }
  };
  while (!stack.empty()) {
    const Seed seed = stack.back();
    stack.pop_back();
    const int64_t start = plane.RowStart(seed.row);
    const int32_t* line = cells + start;
    // Filled since it was pushed, through another run.
    if (line[seed.column] != target) continue;
    int32_t left = seed.column, right = seed.column;
    while (left > 0 && line[left - 1] == target) --left;
    while (right + 1 < width && line[right + 1] == target) ++right;
    plane.EditCells(start + left, int64_t(right) - left + 1,
                    [value](std::span<int32_t> span) { std::fill(span.begin(), span.end(), value); });
    changed += int64_t(right) - left + 1;
    box = {std::min(box.left, left), std::min(box.top, seed.row), std::max(box.right, right),
           std::max(box.bottom, seed.row)};
    if (seed.row > 0) seedRuns(left, right, seed.row - 1);
    if (seed.row + 1 < height) seedRuns(left, right, seed.row + 1);
  }
  if (bounds) *bounds = box;
  return changed;
}

}  // namespace vyr
