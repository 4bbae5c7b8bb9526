// Tile numbers of the demo tile set and the neighbourhood each ground shape is drawn for.
#pragma once

#include <cstdint>

#include "world/tile_repair.h"

namespace vyr::demo {

// Image numbers in the TILES set (the action plane's first image set).
inline constexpr int32_t kGroundFirst = kGroundTileFirst;  // 1..47 shaped ground, 48..52 with ground below-left
inline constexpr int32_t kGroundLast = kGroundTileLast;    // 53..62: unshaped ground, for painting before a repair
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
inline constexpr int32_t kEdgeFirst = kEdgeTileFirst;  // cave backdrop; 77..82, 89..94, 101..106, 113..118 unshaped
inline constexpr int32_t kEdgeLast = kEdgeTileLast;
inline constexpr int32_t kRawEdge = 77;
inline constexpr int32_t kLadderTop = 130;
inline constexpr int32_t kLadderMiddle = 131;
inline constexpr int32_t kLadderBottom = 132;
inline constexpr int32_t kSpikesUp = 140;
inline constexpr int32_t kSpikesDown = 141;
inline constexpr int32_t kLavaTop = 142;
inline constexpr int32_t kLava = 143;

using Neighbours = GroundNeighbours;

// The canonical neighbours of a ground shape 1..47 (diagonals only where they matter):
// what the art of that shape is drawn for.
Neighbours ShapeNeighbours(int32_t shape);

}  // namespace vyr::demo
