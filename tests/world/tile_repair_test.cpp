// Tests of the tile repair: every ground shape and edge shape against hand-drawn grids.
#include "world/tile_repair.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "world/plane.h"

namespace vyr {
namespace {

// '#' raw ground (53), 'e' raw edge (77), '.' empty; rows separated by blanks.
struct Grid {
  int32_t width = 0, height = 0;
  std::vector<int32_t> cells;

  explicit Grid(const std::string& picture) {
    for (char ch : picture) {
      if (ch == ' ') {
        ++height;
        continue;
      }
      if (height == 0) ++width;
      cells.push_back(ch == '#' ? 53 : ch == 'e' ? 77 : kEmptyTile);
    }
    ++height;
  }
  int32_t& At(int32_t c, int32_t r) { return cells[size_t(r * width + c)]; }
  int64_t Repair() { return CTileRepair(cells, width, height).Run(); }
};

// A 3 × 3 picture drawn into a 5 × 5 grid with its centre at (c, r).
Grid Placed(const std::string& picture, int32_t c, int32_t r) {
  Grid grid("..... ..... ..... ..... .....");
  const Grid small(picture);
  for (int32_t y = 0; y < 3; ++y)
    for (int32_t x = 0; x < 3; ++x) grid.At(c - 1 + x, r - 1 + y) = small.cells[size_t(y * 3 + x)];
  return grid;
}

TEST(TileRepair, GivesEachGroundCellTheShapeOfItsNeighbourhood) {
  // Neighbourhood rows top to bottom; the centre is the cell examined.
  const struct {
    const char* picture;
    int32_t shape;
  } kCases[] = {
      {"... .#. ...", 1},  {"... .#. .#.", 2},  {"... .## ...", 3},  {".#. .#. ...", 4},
      {"... ##. ...", 5},  {"... ### ...", 6},  {".#. .#. .#.", 7},  {".#. ##. ...", 8},
      {"##. ##. ...", 42}, {"... ##. .#.", 9},  {"... ##. ##.", 38}, {"... .## .#.", 10},
      {"... .## .##", 35}, {".#. .## ...", 11}, {".## .## ...", 39}, {".#. ### ...", 12},
      {".## ### ...", 17}, {"##. ### ...", 18}, {"### ### ...", 46}, {"... ### .#.", 14},
      {"... ### .##", 21}, {"... ### ##.", 20}, {"... ### ###", 47}, {".#. ##. .#.", 13},
      {".#. ##. ##.", 27}, {"##. ##. .#.", 26}, {"##. ##. ##.", 45}, {".#. .## .#.", 15},
      {".#. .## .##", 24}, {".## .## .#.", 23}, {".## .## .##", 44}, {".#. ### .#.", 16},
      {".#. ### .##", 32}, {".## ### .#.", 29}, {".## ### .##", 28}, {".#. ### ##.", 33},
      {".#. ### ###", 19}, {".## ### ##.", 34}, {".## ### ###", 41}, {"##. ### .#.", 30},
      {"##. ### .##", 31}, {"### ### .#.", 22}, {"### ### .##", 37}, {"##. ### ##.", 25},
      {"##. ### ###", 40}, {"### ### ##.", 36}, {"### ### ###", 43},
      // Ground continuing below-left only.
      {".## .## #..", 48}, {"... .#. #..", 49}, {".#. .#. #..", 50}, {"... .## #..", 51},
      {".#. .## #..", 52},
      // A diagonal between two open sides does not count.
      {"#.# .#. ..#", 1},  {"#.. ### ..#", 6},
  };
  for (const auto& test : kCases) {
    Grid grid(test.picture);
    grid.Repair();
    EXPECT_EQ(grid.At(1, 1), test.shape) << test.picture;
  }
}

TEST(TileRepair, GivesEachEdgeCellTheShapeOfGroundLeftBelowAndByParity) {
  // Columns: odd column odd row, odd column even row, even column odd row, even both.
  // Ground outside left, below and below-left must not matter.
  const struct {
    const char* picture;
    int32_t shapes[4];
  } kCases[] = {
      {"### .e# ..#", {128, 126, 127, 125}}, {"... .e. .#.", {119, 95, 107, 83}},
      {"... .e. #..", {120, 96, 108, 84}},   {"... #e. ...", {121, 97, 109, 85}},
      {"... .e. ##.", {122, 98, 110, 86}},   {"... #e. #..", {123, 99, 111, 87}},
      {"... #e. .#.", {124, 100, 112, 88}},  {"... #e. ##.", {124, 100, 112, 88}},
  };
  const struct {
    int32_t c, r;
  } kPlaces[] = {{1, 1}, {1, 2}, {2, 1}, {2, 2}};
  for (const auto& test : kCases) {
    for (int i = 0; i < 4; ++i) {
      Grid grid = Placed(test.picture, kPlaces[i].c, kPlaces[i].r);
      grid.Repair();
      EXPECT_EQ(grid.At(kPlaces[i].c, kPlaces[i].r), test.shapes[i]) << test.picture << " at place " << i;
    }
  }
}

TEST(TileRepair, ReshapesWholeGridsWithTheGridEdgeAsNoGround) {
  const struct {
    const char* picture;
    std::vector<int32_t> result;
  } kCases[] = {
      {"### ### ###", {35, 47, 38, 44, 43, 45, 39, 46, 42}},
      {"###", {3, 6, 5}},
      {"# # #", {2, 7, 4}},
      {".# #.", {-1, 49, 1, -1}},
      {"ee", {125, 126}},
      {"#e ##", {2, 100, 11, 5}},
  };
  for (const auto& test : kCases) {
    Grid grid(test.picture);
    grid.Repair();
    EXPECT_EQ(grid.cells, test.result) << test.picture;
  }
}

TEST(TileRepair, LeavesEveryValueOutsideTheTwoSetZeroRangesAlone) {
  const std::vector<int32_t> others = {MakeTile(1, 5), MakeTile(1, 100), 0, 63, kColourTile, 76, 129, MakeTile(1, 62)};
  std::vector<int32_t> cells = others;
  cells.insert(cells.begin() + 4, 53);  // the centre of a 3 × 3 grid
  CTileRepair(cells, 3, 3).Run();
  EXPECT_EQ(cells[4], 1);  // none of its neighbours counts as ground
  cells.erase(cells.begin() + 4);
  EXPECT_EQ(cells, others);
}

TEST(TileRepair, CountsChangedCellsAndChangesNothingTheSecondTime) {
  std::mt19937 random(7);
  const int32_t kPalette[] = {kEmptyTile, 53, 1, 43, 77, 125, 100, MakeTile(1, 53), 64};
  std::vector<int32_t> cells(size_t(37 * 23));
  for (int32_t& cell : cells) cell = kPalette[random() % std::size(kPalette)];
  const std::vector<int32_t> before = cells;
  const int64_t changed = CTileRepair(cells, 37, 23).Run();
  int64_t differing = 0;
  for (size_t i = 0; i < cells.size(); ++i) differing += cells[i] != before[i] ? 1 : 0;
  EXPECT_GT(changed, 0);
  EXPECT_EQ(changed, differing);
  const std::vector<int32_t> once = cells;
  EXPECT_EQ(CTileRepair(cells, 37, 23).Run(), 0);
  EXPECT_EQ(cells, once);
}

TEST(TileRepair, RepairsThePlaneGridInPlace) {
  CPlane plane;
  EXPECT_EQ(RepairTiles(plane), 0);  // no grid
  ASSERT_EQ(plane.Create(3, 2, 32, 32, CRect{0, 0, 639, 479}), 1);
  plane.SetTile(0, 1, 53);
  plane.SetTile(1, 1, 53);
  EXPECT_EQ(RepairTiles(plane), 2);
  EXPECT_EQ(plane.GetTile(0, 1), 3);
  EXPECT_EQ(plane.GetTile(1, 1), 5);
  EXPECT_EQ(RepairTiles(plane), 0);
}

}  // namespace
}  // namespace vyr
