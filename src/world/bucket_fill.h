// Bucket fill: the 4-connected region of equal cells around one cell takes a new value.
#pragma once

#include <cstdint>

#include "platform/rect.h"

namespace vyr {

class CPlane;

// Every cell reachable from (column, row) through left, right, up and down steps over cells
// equal to that cell's value gets `value`. Works span by span with its own stack, so any
// region a grid can hold is filled without deep recursion. Returns the cells changed (0
// outside the grid or when the cell already holds `value`); `bounds`, when given, gets the
// inclusive rectangle of the cells filled.
int64_t BucketFill(CPlane& plane, int32_t column, int32_t row, int32_t value, CRect* bounds = nullptr);

}  // namespace vyr
