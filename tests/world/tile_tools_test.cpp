// The tile tools' algorithms: gapless lines, bucket fill, stamps and live repair over a region.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "world/bucket_fill.h"
#include "world/cell_line.h"
#include "world/cell_stamp.h"
#include "world/plane.h"
#include "world/tile_repair.h"

namespace vyr {
namespace {

// A plane from rows of characters: '.' empty, a letter its index in the alphabet.
void Draw(CPlane& plane, const std::vector<std::string>& rows) {
  ASSERT_EQ(plane.Create(int32_t(rows[0].size()), int32_t(rows.size()), 16, 16, CRect{0, 0, 63, 63}), 1);
  for (size_t r = 0; r < rows.size(); ++r)
    for (size_t c = 0; c < rows[r].size(); ++c)
      plane.SetTile(int32_t(c), int32_t(r), rows[r][c] == '.' ? kEmptyTile : rows[r][c] - 'a');
}

std::vector<int32_t> Cells(const CPlane& plane) { return {plane.Tiles().begin(), plane.Tiles().end()}; }

TEST(CellLine, StepsOneSideAtATimeFromStartToEndNearTheLine) {
  const struct {
    int32_t c0, r0, c1, r1;
  } kLines[] = {{0, 0, 0, 0}, {0, 0, 7, 0}, {3, 9, 3, 2}, {0, 0, 5, 5}, {10, 4, 1, 7}, {-3, 2, 4, -6}, {0, 0, 1, 9}};
  for (const auto& line : kLines) {
    std::vector<std::pair<int32_t, int32_t>> cells;
    ForCellsOnLine(line.c0, line.r0, line.c1, line.r1, [&](int32_t c, int32_t r) { cells.emplace_back(c, r); });
    SCOPED_TRACE(testing::Message() << line.c0 << "," << line.r0 << " -> " << line.c1 << "," << line.r1);
    ASSERT_EQ(cells.size(), size_t(std::abs(line.c1 - line.c0) + std::abs(line.r1 - line.r0) + 1));
    EXPECT_EQ(cells.front(), std::make_pair(line.c0, line.r0));
    EXPECT_EQ(cells.back(), std::make_pair(line.c1, line.r1));
    const double dx = line.c1 - line.c0, dy = line.r1 - line.r0, length = std::hypot(dx, dy);
    for (size_t i = 0; i < cells.size(); ++i) {
      if (i > 0) {
        EXPECT_EQ(std::abs(cells[i].first - cells[i - 1].first) + std::abs(cells[i].second - cells[i - 1].second), 1);
      }
      // Each cell's centre within a cell of the line through the two centres.
      if (length > 0) {
        EXPECT_LE(std::abs((cells[i].first - line.c0) * dy - (cells[i].second - line.r0) * dx) / length, 1.0);
      }
    }
  }
}

// Flood fill by the book (a queue of single cells), to compare with.
std::vector<int32_t> ReferenceFill(std::vector<int32_t> cells, int32_t width, int32_t c, int32_t r, int32_t value) {
  const int32_t height = int32_t(cells.size()) / width, target = cells[size_t(r * width + c)];
  if (target == value) return cells;
  std::vector<std::pair<int32_t, int32_t>> queue{{c, r}};
  cells[size_t(r * width + c)] = value;
  while (!queue.empty()) {
    const auto [x, y] = queue.back();
    queue.pop_back();
    for (const auto& [nx, ny] : {std::pair{x - 1, y}, std::pair{x + 1, y}, std::pair{x, y - 1}, std::pair{x, y + 1}})
      if (nx >= 0 && ny >= 0 && nx < width && ny < height && cells[size_t(ny * width + nx)] == target) {
        cells[size_t(ny * width + nx)] = value;
        queue.emplace_back(nx, ny);
      }
  }
  return cells;
}

TEST(BucketFill, FillsTheFourConnectedRegionLikeAPlainFlood) {
  const struct {
    std::vector<std::string> rows;
    int32_t c, r;
  } kShapes[] = {
      {{"......", "......"}, 2, 1},
      {{".a.a..", "aa.aaa", "..a..a", "a.a.a."}, 1, 2},     // diagonals do not connect
      {{"bbbbbbb", "b.....b", "b.bbb.b", "b.b.b.b", "b...b.b", "bbbbb.b"}, 3, 3},  // spiral
      {{"aaaa", "abba", "aaaa"}, 0, 0},
      {{"c"}, 0, 0},
  };
  for (const auto& shape : kShapes) {
    CPlane plane;
    Draw(plane, shape.rows);
    const std::vector<int32_t> expected = ReferenceFill(Cells(plane), plane.Width(), shape.c, shape.r, 25);
    const int64_t changed = BucketFill(plane, shape.c, shape.r, 25);
    EXPECT_EQ(Cells(plane), expected) << shape.rows[0];
    EXPECT_EQ(changed, std::count(expected.begin(), expected.end(), 25)) << shape.rows[0];
  }
  CPlane plane;
  Draw(plane, {"ab"});
  EXPECT_EQ(BucketFill(plane, 0, 0, 0), 0);  // already that value
  EXPECT_EQ(BucketFill(plane, 5, 0, 3), 0);  // outside
}

TEST(CellStamp, CopyPasteElsewhereAndBackRestoresTheBytes) {
  CPlane plane;
  Draw(plane, {"abc...", "def...", "......", "......"});
  const std::vector<int32_t> before = Cells(plane);
  const CellStamp stamp = CopyStamp(plane, {0, 0, 2, 1});
  ASSERT_EQ(stamp.columns, 3);
  const CellStamp saved = CopyStamp(plane, {2, 2, 6, 4});  // beyond the edge: clipped to 4 x 2
  EXPECT_EQ(saved.columns, 4);
  EXPECT_EQ(saved.rows, 2);
  const CRect written = PlaceStamp(plane, stamp, 4, 3);  // clipped at the right and bottom
  EXPECT_EQ(written, (CRect{4, 3, 5, 3}));
  EXPECT_EQ(plane.GetTile(4, 3), 0);
  EXPECT_EQ(plane.GetTile(5, 3), 1);
  PlaceStamp(plane, saved, 2, 2);
  EXPECT_EQ(Cells(plane), before);
}

TEST(CellStamp, MatchesImageSetsByNameAndRefusesMissingOnes) {
  CPlane from, to;
  ASSERT_EQ(from.Create(2, 1, 16, 16, CRect{0, 0, 31, 15}), 1);
  ASSERT_EQ(to.Create(2, 1, 16, 16, CRect{0, 0, 31, 15}), 1);
  from.AddImageSet(nullptr, 0, "ROCK");
  from.AddImageSet(nullptr, 1, "Grass");
  to.AddImageSet(nullptr, 0, "GRASS");
  from.SetTile(0, 0, MakeTile(1, 7));
  from.SetTile(1, 0, kColourTile);
  std::vector<std::string> missing;
  const CellStamp matched = MatchStampSets(CopyStamp(from, {0, 0, 1, 0}), to, missing);
  EXPECT_TRUE(missing.empty());
  EXPECT_EQ(matched.cells, (std::vector<int32_t>{MakeTile(0, 7), kColourTile}));
  from.SetTile(1, 0, MakeTile(0, 2));
  EXPECT_TRUE(MatchStampSets(CopyStamp(from, {0, 0, 1, 0}), to, missing).Empty());
  EXPECT_EQ(missing, std::vector<std::string>{"ROCK"});
}

TEST(LiveRepair, ARegionRepairEqualsTheFullRepairThereAndTouchesNothingElse) {
  std::mt19937 random(11);
  const int32_t kPalette[] = {kEmptyTile, 53, 1, 43, 77, 125, 100, MakeTile(1, 53)};
  for (int round = 0; round < 20; ++round) {
    CPlane plane, full;
    const int32_t width = 5 + int32_t(random() % 20), height = 5 + int32_t(random() % 20);
    ASSERT_EQ(plane.Create(width, height, 16, 16, CRect{0, 0, 63, 63}), 1);
    ASSERT_EQ(full.Create(width, height, 16, 16, CRect{0, 0, 63, 63}), 1);
    for (int32_t r = 0; r < height; ++r)
      for (int32_t c = 0; c < width; ++c) {
        const int32_t value = kPalette[random() % std::size(kPalette)];
        plane.SetTile(c, r, value);
        full.SetTile(c, r, value);
      }
    const std::vector<int32_t> before = Cells(plane);
    const int32_t left = int32_t(random() % uint32_t(width)), top = int32_t(random() % uint32_t(height));
    const CRect area{left, top, left + int32_t(random() % 6), top + int32_t(random() % 6)};
    RepairTilesIn(plane, area, false);
    RepairTiles(full);
    for (int32_t r = 0; r < height; ++r)
      for (int32_t c = 0; c < width; ++c) {
        const bool inside = c >= area.left && c <= area.right && r >= area.top && r <= area.bottom;
        ASSERT_EQ(plane.GetTile(c, r), inside ? full.GetTile(c, r) : before[size_t(r * width + c)])
            << "round " << round << " cell " << c << "," << r;
      }
  }
}

TEST(LiveRepair, AfterAnEditTheGrownRegionGivesTheFullRepair) {
  std::mt19937 random(5);
  for (int round = 0; round < 20; ++round) {
    CPlane plane, full;
    ASSERT_EQ(plane.Create(16, 12, 16, 16, CRect{0, 0, 63, 63}), 1);
    for (int32_t r = 0; r < 12; ++r)
      for (int32_t c = 0; c < 16; ++c) plane.SetTile(c, r, random() % 2 ? 53 : (random() % 2 ? 77 : kEmptyTile));
    RepairTiles(plane);
    const CRect edit{int32_t(random() % 16), int32_t(random() % 12), 0, 0};
    const CRect area{edit.left, edit.top, std::min(edit.left + 2, 15), std::min(edit.top + 1, 11)};
    FillCells(plane, area, random() % 2 ? 53 : kEmptyTile);
    ASSERT_EQ(full.Create(16, 12, 16, 16, CRect{0, 0, 63, 63}), 1);
    for (int32_t r = 0; r < 12; ++r)
      for (int32_t c = 0; c < 16; ++c) full.SetTile(c, r, plane.GetTile(c, r));
    RepairTilesIn(plane, area);
    RepairTiles(full);
    EXPECT_EQ(Cells(plane), Cells(full)) << "round " << round;
  }
}

}  // namespace
}  // namespace vyr
