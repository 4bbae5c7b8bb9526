// The statistics dialog's lists, from the world layer's tile statistics.
#include "commands/tiles/tile_stats_dialog.h"

#include "world/tile_edits.h"

namespace vyr {

namespace {

std::vector<std::string> Numbers(const std::vector<int32_t>& numbers) {
  std::vector<std::string> lines;
  lines.reserve(numbers.size());
  for (int32_t n : numbers) lines.push_back(std::to_string(n));
  return lines;
}

}  // namespace

void CTileStatsDialog::OnInitDialog() {
  const std::optional<TileStatistics> stats = ComputeTileStatistics(m_world, m_plane, m_set);
  const TileStatistics none;
  const TileStatistics& s = stats ? *stats : none;
  m_used = Numbers(s.used);
  m_counts = s.countLines;
  m_unused = Numbers(s.unused);
  m_available = Numbers(s.available);
  m_usedTotal = std::to_string(s.used.size());
  m_unusedTotal = std::to_string(s.unused.size());
  m_imagesTotal = std::to_string(s.images);
  m_script = s.script;
}

}  // namespace vyr
