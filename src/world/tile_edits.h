// The tile commands' work on a plane, free of the document: fill, block copy, replace,
// stepping through a set's images, the invalid-tile and tile-size reports and the tile
// statistics with their deletion script.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "world/plane.h"

namespace vyr {

class CWorld;

// Every cell of the plane gets `value`; returns the number of cells that changed.
int64_t FillPlane(CPlane& plane, int32_t value);
// Every cell equal to `search` gets `replacement`, row by row; returns the number changed.
int64_t ReplaceTiles(CPlane& plane, int32_t search, int32_t replacement);
// CPlane::BlockCopy; returns the number of cells written (some may keep their value).
int64_t BlockCopyTiles(CPlane& plane, int32_t sourceColumn, int32_t sourceRow, int32_t destColumn, int32_t destRow,
                       int32_t columns, int32_t rows);

// The tile value of a selection, or none where (set << 16) | image would read as the empty
// or the colour tile (set and image both 0xFFFF or both 0xEEEE): such a tile is never placed.
std::optional<int32_t> SelectionTile(int32_t set, int32_t image);

// 1 when slot `set` of the plane holds a loaded set with an image at `image` (−1: the
// set's first image); 0 otherwise, also without a plane.
int ImageExists(const CPlane* plane, int32_t set, int32_t image);

// Where "&Następny" (+1) or "&Poprzedni" (−1) lands: the set (an empty or invalid one
// falls back to 0) and the next filled image slot in that direction, wrapping. An image
// number outside the set's slots first comes into range at the end the step wraps from.
struct ImageStep {
  bool found = false;
  int32_t set = 0;
  int32_t image = 0;
};
ImageStep StepImage(const CPlane& plane, int32_t set, int32_t image, int direction);

// The message boxes of "Uszkodzone...", in order: "Level contains all valid tiles!", or
// "Level contains invalid tiles!" followed by every report line of every plane.
std::vector<std::string> InvalidTileMessages(const CWorld& world);
// The cells those report lines name, line by line (planes in stack order, then rows, then
// columns).
struct InvalidTile {
  int32_t plane = 0;
  int32_t column = 0;
  int32_t row = 0;
};
std::vector<InvalidTile> InvalidTiles(const CWorld& world);

// Lines of the tile-size warning shown before "... and N more".
inline constexpr size_t kTileSizeLinesShown = 12;
// One message with a "WARNING!  Tile %i is %ix%i" line per image of the plane's first set
// whose size differs from the plane's tile size; empty when all fit.
std::string TileSizeWarnings(const CPlane& plane, size_t linesShown = kTileSizeLinesShown);

// "Statystyki Klocków" for one set slot of a plane.
struct TileStatistics {
  std::vector<int32_t> used;              // "Użyte:", ascending
  std::vector<std::string> countLines;    // "Ilość": "%i\ttile %i" per used image
  std::vector<int32_t> unused;            // "Nieużyte:": images this plane does not show
  std::vector<int32_t> available;         // "Dostępne:": slots holding no image
  int32_t images = 0;                     // "Wszystkie Klocki:"
  std::string script;                     // "del N.PID\r\n" per image no plane shows
};
// Counts the cells of `plane` whose slot names the same set as slot `set`, for every
// image number below the set's slot count. The script lists only the images unused on
// every plane of `world` that shows that set. None when the slot holds no loaded set.
std::optional<TileStatistics> ComputeTileStatistics(const CWorld& world, const CPlane& plane, int32_t set);

}  // namespace vyr
