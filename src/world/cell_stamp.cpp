// Copying a rectangle of cells, matching its image sets by name and placing it.
#include "world/cell_stamp.h"

#include <algorithm>
#include <strings.h>

#include "world/plane.h"

namespace vyr {

CRect ClipCells(const CPlane& plane, const CRect& area) {
  return {std::max(area.left, 0), std::max(area.top, 0), std::min(area.right, plane.Width() - 1),
          std::min(area.bottom, plane.Height() - 1)};
}

CellStamp CopyStamp(const CPlane& plane, const CRect& area) {
  CellStamp stamp;
  const CRect clip = ClipCells(plane, area);
  if (clip.right < clip.left || clip.bottom < clip.top) return stamp;
  stamp.columns = clip.right - clip.left + 1;
  stamp.rows = clip.bottom - clip.top + 1;
  stamp.cells.reserve(size_t(stamp.columns) * size_t(stamp.rows));
  const std::span<const int32_t> tiles = plane.Tiles();
  for (int32_t r = clip.top; r <= clip.bottom; ++r) {
    const int64_t at = plane.RowStart(r) + clip.left;
    stamp.cells.insert(stamp.cells.end(), tiles.begin() + at, tiles.begin() + at + stamp.columns);
  }
  for (const ImageSetSlot& slot : plane.ImageSetSlots()) stamp.setNames.push_back(slot.name);
  return stamp;
}

CellStamp MatchStampSets(const CellStamp& stamp, const CPlane& plane, std::vector<std::string>& missing) {
  // Source slot → target slot, −1 not yet looked up, −2 lacking.
  std::vector<int32_t> slots(stamp.setNames.size(), -1);
  const auto targetOf = [&](uint32_t source) -> int32_t {
    if (source >= slots.size()) return -2;
    int32_t& slot = slots[source];
    if (slot != -1) return slot;
    slot = -2;
    const std::string& name = stamp.setNames[source];
    const std::vector<ImageSetSlot>& own = plane.ImageSetSlots();
    for (size_t i = 0; i < own.size() && !name.empty(); ++i)
      if (strcasecmp(own[i].name.c_str(), name.c_str()) == 0) {
        slot = int32_t(i);
        break;
      }
    if (slot == -2) {
      const std::string shown = name.empty() ? "#" + std::to_string(source) : name;
      if (std::find(missing.begin(), missing.end(), shown) == missing.end()) missing.push_back(shown);
    }
    return slot;
  };
  CellStamp matched = stamp;
  bool lacking = false;
  for (int32_t& cell : matched.cells) {
    if (!IsImageTile(cell)) continue;
    const int32_t slot = targetOf(uint32_t(cell) >> 16);
    if (slot < 0) {
      lacking = true;
      continue;
    }
    cell = int32_t(uint32_t(slot) << 16 | (uint32_t(cell) & 0xFFFFu));
  }
  if (lacking) return {};
  matched.setNames.clear();
  for (const ImageSetSlot& slot : plane.ImageSetSlots()) matched.setNames.push_back(slot.name);
  return matched;
}

CRect PlaceStamp(CPlane& plane, const CellStamp& stamp, int32_t column, int32_t row) {
  const CRect clip = ClipCells(plane, {column, row, column + stamp.columns - 1, row + stamp.rows - 1});
  if (stamp.Empty() || clip.right < clip.left || clip.bottom < clip.top) return {0, 0, -1, -1};
  for (int32_t r = clip.top; r <= clip.bottom; ++r) {
    const int32_t* from = stamp.cells.data() + size_t(r - row) * size_t(stamp.columns) + (clip.left - column);
    plane.EditCells(plane.RowStart(r) + clip.left, int64_t(clip.right) - clip.left + 1,
                    [from](std::span<int32_t> out) { std::copy(from, from + out.size(), out.begin()); });
  }
  return clip;
}

int64_t FillCells(CPlane& plane, const CRect& area, int32_t value) {
  const CRect clip = ClipCells(plane, area);
  int64_t changed = 0;
  for (int32_t r = clip.top; r <= clip.bottom && clip.left <= clip.right; ++r) {
    const std::span<const int32_t> tiles = plane.Tiles();
    const int64_t at = plane.RowStart(r) + clip.left;
    const int64_t count = int64_t(clip.right) - clip.left + 1;
    const int64_t differ = count - std::count(tiles.begin() + at, tiles.begin() + at + count, value);
    if (differ == 0) continue;
    changed += differ;
    plane.EditCells(at, count, [value](std::span<int32_t> out) { std::fill(out.begin(), out.end(), value); });
  }
  return changed;
}

}  // namespace vyr
