// Tile numbers of the demo tile set and the ground/edge shape rules the tile repair uses.
#pragma once

#include <cstdint>

namespace vyr::demo {

// Image numbers in the TILES set (the action plane's first image set).
inline constexpr int32_t kGroundFirst = 1;   // 1..47 shaped ground, 48..52 with ground below-left
inline constexpr int32_t kGroundLast = 62;   // 53..62: unshaped ground, for painting before a repair
inline constexpr int32_t kRawGround = 53;
inline constexpr int32_t kPlatformLeft = 63;
inline constexpr int32_t kPlatformMiddle = 64;
inline constexpr int32_t kPlatformRight = 65;
inline constexpr int32_t kPlatformSingle = 66;
inline constexpr int32_t kBush = 70;
inline constexpr int32_t kFlowers = 71;
inline constexpr int32_t kSign = 72;
inline constexpr int32_t kRock = 73;
inline constexpr int32_t kMushroom = 74;
inline constexpr int32_t kEdgeFirst = 77;    // cave backdrop; 77..82, 89..94, 101..106, 113..118 unshaped
inline constexpr int32_t kEdgeLast = 128;
inline constexpr int32_t kRawEdge = 77;
inline constexpr int32_t kLadderTop = 130;
inline constexpr int32_t kLadderMiddle = 131;
inline constexpr int32_t kLadderBottom = 132;
inline constexpr int32_t kSpikesUp = 140;
inline constexpr int32_t kSpikesDown = 141;
inline constexpr int32_t kLavaTop = 142;
inline constexpr int32_t kLava = 143;

// Which neighbours of a cell are ground.
struct Neighbours {
  bool left = false, right = false, up = false, down = false;
  bool upLeft = false, upRight = false, downLeft = false, downRight = false;
};

// The ground shape (1..47) that fits a ground cell with these neighbours.
int32_t GroundShape(const Neighbours& n);
// The shape after the below-left fix-up (39→48, 1→49, 4→50, 3→51, 11→52), else `shape`.
int32_t BelowLeftVariant(int32_t shape);
// The edge shape for the ground to the left, below and below-left and the cell's parity.
int32_t EdgeShape(bool left, bool below, bool belowLeft, int32_t column, int32_t row);

// The canonical neighbours of a ground shape 1..47 (diagonals only where they matter).
Neighbours ShapeNeighbours(int32_t shape);

// Reshapes a grid of tile values (image set 0 numbers; others untouched) the way the
// editor's tile repair does: ground first, then edge cells and the below-left fix-ups.
void ShapeGrid(int32_t* cells, int32_t width, int32_t height);

}  // namespace vyr::demo
