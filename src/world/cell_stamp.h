// A rectangle of cells copied from a plane, with the names of the image sets its tiles use,
// so that it can be placed on any plane that holds sets of those names.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/rect.h"

namespace vyr {

class CPlane;

struct CellStamp {
  int32_t columns = 0;
  int32_t rows = 0;
  std::vector<int32_t> cells;  // row by row
  // The source plane's set names by slot, for the tiles' set numbers.
  std::vector<std::string> setNames;
  bool Empty() const { return cells.empty(); }
};

// The cells of `area` (inclusive cell rectangle), clipped to the grid; empty when nothing
// of it lies in the grid.
CellStamp CopyStamp(const CPlane& plane, const CRect& area);

// The stamp's tiles with their set numbers changed to the slots of `plane` holding sets of
// the same names (compared without case). Names the plane lacks go to `missing`, once
// each; then nothing is to be placed and the result is empty.
CellStamp MatchStampSets(const CellStamp& stamp, const CPlane& plane, std::vector<std::string>& missing);

// Writes a stamp already matched to `plane` with its top-left cell at (column, row); the
// part beyond the grid is left out. Returns the inclusive cell rectangle written (empty
// rectangle when nothing).
CRect PlaceStamp(CPlane& plane, const CellStamp& stamp, int32_t column, int32_t row);

// Every cell of the inclusive cell rectangle, clipped to the grid, gets `value`; returns the
// cells changed.
int64_t FillCells(CPlane& plane, const CRect& area, int32_t value);

// The inclusive rectangle clipped to the plane's grid (IsEmpty-style test: right < left).
CRect ClipCells(const CPlane& plane, const CRect& area);

}  // namespace vyr
