// The tile commands' plane edits, image stepping, reports and statistics.
#include "world/tile_edits.h"

#include <algorithm>

#include "platform/message_format.h"
#include "res/messages.h"
#include "resources/image_set.h"
#include "world/world.h"

namespace vyr {

namespace {

// Cells a bulk edit hands to the grid at a time: small enough that what an undo step
// copies of them is still in the cache when the edit has written them.
constexpr int64_t kEditChunk = 16384;

// Writes `to` into every cell that `matches`, counting the changes; a stretch with nothing
// to change is not written at all.
template <typename Match>
int64_t WriteWhere(CPlane& plane, int32_t to, Match matches) {
  const std::span<const int32_t> tiles = plane.Tiles();
  const int64_t cells = int64_t(tiles.size());
  const auto changes = [to, &matches](int32_t value) { return value != to && matches(value); };
  int64_t changed = 0;
  for (int64_t first = 0; first < cells; first += kEditChunk) {
    const int64_t count = std::min(kEditChunk, cells - first);
    const int32_t* read = tiles.data() + first;
    if (std::none_of(read, read + count, changes)) continue;
    plane.EditCells(first, count, [&](std::span<int32_t> chunk) {
      for (int32_t& cell : chunk) {
        if (!changes(cell)) continue;
        cell = to;
        ++changed;
      }
    });
  }
  return changed;
}

}  // namespace

int64_t FillPlane(CPlane& plane, int32_t value) {
  return WriteWhere(plane, value, [](int32_t) { return true; });
}

int64_t ReplaceTiles(CPlane& plane, int32_t search, int32_t replacement) {
  return WriteWhere(plane, replacement, [search](int32_t value) { return value == search; });
}

int64_t BlockCopyTiles(CPlane& plane, int32_t sourceColumn, int32_t sourceRow, int32_t destColumn, int32_t destRow,
                       int32_t columns, int32_t rows) {
  return plane.BlockCopy(sourceColumn, sourceRow, destColumn, destRow, columns, rows);
}

std::optional<int32_t> SelectionTile(int32_t set, int32_t image) {
  const int32_t value = MakeTile(uint32_t(set), uint32_t(image));
  if (!IsImageTile(value)) return std::nullopt;
  return value;
}

int ImageExists(const CPlane* plane, int32_t set, int32_t image) {
  const CImageSet* images = plane ? plane->ImageSetAt(set) : nullptr;
  if (!images) return 0;
  if (image == -1) image = images->Lowest();
  return images->GetImage(image) ? 1 : 0;
}

ImageStep StepImage(const CPlane& plane, int32_t set, int32_t image, int direction) {
  ImageStep step;
  if (!plane.ImageSetAt(set)) set = 0;
  const CImageSet* images = plane.ImageSetAt(set);
  if (!images) return step;
  step.set = set;
  const int32_t slots = images->ImageCount();
  if (slots <= 0) return step;
  const int32_t delta = direction < 0 ? -1 : 1;
  if (image < 0 || image >= slots) image = delta > 0 ? slots - 1 : 0;
  for (int32_t tries = 0; tries <= slots; ++tries) {
    image += delta;
    if (image >= slots) image = 0;
    if (image < 0) image = slots - 1;
    if (images->GetImage(image)) {
      step.found = true;
      step.image = image;
      return step;
    }
  }
  return step;
}

std::vector<std::string> InvalidTileMessages(const CWorld& world) {
  std::string report;
  if (world.ValidateTiles(&report)) return {std::string(res::text::kAllTilesValid)};
  return {std::string(res::text::kInvalidTiles), report};
}

std::vector<InvalidTile> InvalidTiles(const CWorld& world) {
  std::vector<InvalidTile> cells;
  for (int32_t p = 0; p < world.PlaneCount(); ++p) {
    const CPlane& plane = *world.Plane(p);
    if (!plane.IsValid()) continue;
    for (int32_t r = 0; r < plane.Height(); ++r)
      for (int32_t c = 0; c < plane.Width(); ++c) {
        const TileCheck check = plane.CheckTile(plane.GetTile(c, r));
        if (check == TileCheck::kBadSet || check == TileCheck::kBadImage) cells.push_back({p, c, r});
      }
  }
  return cells;
}

std::string TileSizeWarnings(const CPlane& plane, size_t linesShown) {
  const CImageSet* images = plane.ImageSetAt(0);
  if (!images) return {};
  std::string text;
  size_t wrong = 0;
  for (int32_t number = images->Lowest(); number <= images->Highest(); ++number) {
    const CImage* image = images->GetImage(number);
    if (!image || (image->m_width == plane.TileWidth() && image->m_height == plane.TileHeight())) continue;
    if (wrong++ >= linesShown) continue;
    if (!text.empty()) text += '\n';
    text += FormatMessage(res::text::kTileSizeWarning, {number, image->m_width, image->m_height});
  }
  if (wrong > linesShown) text += "\n... and " + std::to_string(wrong - linesShown) + " more";
  return text;
}

namespace {

// Marks the image numbers below `slots` that `plane` shows through a slot named `name`;
// counts them in `counts` when given.
void CountImages(const CPlane& plane, const std::string& name, int32_t slots, std::vector<bool>& used,
                 std::vector<int32_t>* counts) {
  std::vector<bool> sameSet(size_t(plane.ImageSetCount()));
  for (int32_t slot = 0; slot < plane.ImageSetCount(); ++slot) sameSet[size_t(slot)] = plane.ImageSetName(slot) == name;
  for (int32_t value : plane.Tiles()) {
    const uint32_t setNumber = TileSetNumber(value);
    const int32_t image = int32_t(TileImageNumber(value));
    if (!IsImageTile(value) || setNumber >= sameSet.size() || !sameSet[setNumber] || image >= slots) continue;
    used[size_t(image)] = true;
    if (counts) ++(*counts)[size_t(image)];
  }
}

}  // namespace

std::optional<TileStatistics> ComputeTileStatistics(const CWorld& world, const CPlane& plane, int32_t set) {
  const CImageSet* images = plane.ImageSetAt(set);
  if (!images) return std::nullopt;
  const std::string& name = plane.ImageSetName(set);
  const int32_t slots = images->ImageCount();

  std::vector<int32_t> counts(size_t(slots), 0);
  std::vector<bool> usedHere(size_t(slots), false);
  CountImages(plane, name, slots, usedHere, &counts);
  std::vector<bool> usedAnywhere = usedHere;
  for (int32_t i = 0; i < world.PlaneCount(); ++i) {
    const CPlane* other = world.Plane(i);
    if (other && other != &plane) CountImages(*other, name, slots, usedAnywhere, nullptr);
  }

  TileStatistics stats;
  for (int32_t n = 0; n < slots; ++n) {
    const bool present = images->GetImage(n) != nullptr;
    stats.images += present ? 1 : 0;
    if (counts[size_t(n)] > 0) {
      stats.used.push_back(n);
      stats.countLines.push_back(std::to_string(counts[size_t(n)]) + "\ttile " + std::to_string(n));
    } else if (present) {
      stats.unused.push_back(n);
    }
    if (!present) stats.available.push_back(n);
    if (present && !usedAnywhere[size_t(n)]) stats.script += "del " + std::to_string(n) + ".PID\r\n";
  }
  return stats;
}

}  // namespace vyr
