// Tile repair: reshapes ground and edge tiles of image set 0 to fit the ground around them.
#pragma once

#include <cstdint>
#include <span>

#include "platform/rect.h"

namespace vyr {

class CPlane;

// The two families are full tile values, so only image set 0 takes part.
inline constexpr int32_t kGroundTileFirst = 1;
inline constexpr int32_t kGroundTileLast = 62;
inline constexpr int32_t kEdgeTileFirst = 77;
inline constexpr int32_t kEdgeTileLast = 128;

inline constexpr bool IsGroundTile(int32_t value) {
  return uint32_t(value - kGroundTileFirst) <= uint32_t(kGroundTileLast - kGroundTileFirst);
}
inline constexpr bool IsEdgeTile(int32_t value) {
  return uint32_t(value - kEdgeTileFirst) <= uint32_t(kEdgeTileLast - kEdgeTileFirst);
}

// Which neighbours of a cell are ground tiles.
struct GroundNeighbours {
  bool left = false, right = false, up = false, down = false;
  bool upLeft = false, upRight = false, downLeft = false, downRight = false;
};

// The ground shape (1..47) for a ground cell with these neighbours; a diagonal counts only
// between two ground sides.
int32_t GroundShape(const GroundNeighbours& n);
// 39→48, 1→49, 4→50, 3→51, 11→52 (ground continues below-left); any other shape as it is.
int32_t BelowLeftVariant(int32_t shape);
// The edge shape for ground to the left, below and below-left and the cell's parity.
int32_t EdgeShape(bool left, bool below, bool belowLeft, int32_t column, int32_t row);

// Reshapes a grid of width × height tile values (row by row) in place. Every shape the
// repair writes keeps its cell in its family, so the ground around each cell is the same
// before and after: both passes can share one sweep and need no copy of the grid.
class CTileRepair {
 public:
  // `cells` holds at least width × height values.
  CTileRepair(std::span<int32_t> cells, int32_t width, int32_t height);
  // Ground shapes, then edge shapes and the below-left fix-ups. Returns the number of
  // cells whose value changed.
  int64_t Run();

 private:
  std::span<int32_t> m_cells;
  int32_t m_width;
  int32_t m_height;
};

// Repairs the plane's grid in place. Returns the number of cells that changed (0 without a
// grid), so callers mark the document modified only when something did.
int64_t RepairTiles(CPlane& plane);
// The same for the cells of the inclusive rectangle `changed`, with `grow` also the cells
// around it whose shape a change there can alter: after an edit inside `changed`, the
// plane then equals a full repair wherever a full repair of the plane before the edit
// left nothing to do.
int64_t RepairTilesIn(CPlane& plane, const CRect& changed, bool grow = true);

}  // namespace vyr
