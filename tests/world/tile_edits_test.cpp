// Tests of the plane-level tile commands: bulk edits, image stepping, the placeable
// check, and the validation, tile-size and statistics texts.
#include "world/tile_edits.h"

#include <gtest/gtest.h>

#include "resources/image_set.h"
#include "world/world.h"

namespace vyr {
namespace {

constexpr int32_t A = MakeTile(0, 1), B = MakeTile(0, 2), C = MakeTile(0, 3);

// Image set "S" holds images at 1, 3 and 4 (slot count 5; 3 is 8 × 16, the rest 16 × 16),
// "T" image 0 only, "EMPTY" none.
struct Sets {
  CImageSetTable table;
  Sets() {
    for (int32_t n : {1, 3, 4}) Put("S", n, n == 3 ? 8 : 16, 16);
    Put("T", 0, 16, 16);
    table.FindOrCreate("EMPTY");
  }
  void Put(const std::string& set, int32_t number, int32_t width, int32_t height) {
    auto image = std::make_unique<CImage>();
    image->m_width = width;
    image->m_height = height;
    table.FindOrCreate(set)->PutImage(number, std::move(image));
  }
};

void Grid(CPlane& plane, std::initializer_list<int32_t> cells) {
  std::copy(cells.begin(), cells.end(), plane.LoadingTiles().begin());
}

TEST(TileEdits, BulkEditsWriteAndCountTheirChanges) {
  enum Op { kFill, kReplace, kCopy };
  struct Case {
    Op op;
    int32_t a, b;
    std::vector<int32_t> expected;
    int64_t changed;
  } cases[] = {
      {kFill, kEmptyTile, 0, {-1, -1, -1, -1, -1, -1}, 4},
      {kFill, A, 0, {A, A, A, A, A, A}, 5},
      {kReplace, kColourTile, kEmptyTile, {A, B, -1, -1, -1, C}, 1},
      {kReplace, B, B, {A, B, kColourTile, -1, -1, C}, 0},
      {kCopy, 0, 0, {A, A, A, -1, -1, C}, 2},
  };
  for (const Case& c : cases) {
    CPlane plane;
    plane.Create(3, 2, 16, 16, CRect{0, 0, 47, 31});
    Grid(plane, {A, B, kColourTile, -1, -1, C});
    int64_t changed = 0;
    switch (c.op) {
      case kFill: changed = FillPlane(plane, c.a); break;
      case kReplace: changed = ReplaceTiles(plane, c.a, c.b); break;
      case kCopy: changed = BlockCopyTiles(plane, 0, 0, 1, 0, 2, 1); break;
    }
    EXPECT_EQ(std::vector<int32_t>(plane.Tiles().begin(), plane.Tiles().end()), c.expected) << c.op;
    EXPECT_EQ(changed, c.changed) << c.op;
  }
}

TEST(TileEdits, SelectionsThatWouldReadAsEmptyOrColourAreNotPlaced) {
  EXPECT_FALSE(SelectionTile(0xFFFF, 0xFFFF));
  EXPECT_FALSE(SelectionTile(0xEEEE, 0xEEEE));
  EXPECT_EQ(SelectionTile(0xEEEE, 0xFFFF), int32_t(0xEEEEFFFFu));
  EXPECT_EQ(SelectionTile(2, 5), 0x20005);
}

TEST(TileEdits, StepImageWrapsSkipsGapsAndBringsStrayNumbersIntoRange) {
  Sets sets;
  CPlane plane;
  plane.Create(2, 2, 16, 16, CRect{0, 0, 31, 31});
  plane.AddImageSet(&sets.table, 0, "S");
  plane.AddImageSet(&sets.table, 2, "EMPTY");
  struct Case {
    int32_t set, image, direction;
    bool found;
    int32_t toSet, toImage;
  } cases[] = {
      {0, 1, +1, true, 0, 3},  {0, 4, +1, true, 0, 1},   {0, 1, -1, true, 0, 4},  {0, 3, -1, true, 0, 1},
      {0, 99, +1, true, 0, 1}, {0, 99, -1, true, 0, 4},  {0, -5, +1, true, 0, 1}, {0, -5, -1, true, 0, 4},
      {1, 1, +1, true, 0, 3},  {7, 0, -1, true, 0, 4},   {2, 0, +1, false, 2, 0},
  };
  for (const Case& c : cases) {
    const ImageStep step = StepImage(plane, c.set, c.image, c.direction);
    EXPECT_EQ(step.found, c.found) << c.set << " " << c.image << " " << c.direction;
    EXPECT_EQ(step.set, c.toSet) << c.set << " " << c.image << " " << c.direction;
    if (c.found) {
      EXPECT_EQ(step.image, c.toImage) << c.set << " " << c.image << " " << c.direction;
    }
  }
  CPlane bare;
  bare.Create(1, 1, 16, 16, CRect{0, 0, 15, 15});
  EXPECT_FALSE(StepImage(bare, 0, 0, +1).found);
}

TEST(TileEdits, ImageExistsNeedsAFilledSlotAndAnImage) {
  Sets sets;
  CPlane plane;
  plane.Create(1, 1, 16, 16, CRect{0, 0, 15, 15});
  plane.AddImageSet(&sets.table, 0, "S");
  plane.AddImageSet(&sets.table, 1, "EMPTY");
  struct Case {
    int32_t set, image, exists;
  } cases[] = {{0, 3, 1}, {0, 2, 0}, {0, -1, 1}, {0, 5, 0}, {1, -1, 0}, {2, 0, 0}, {-1, 0, 0}};
  for (const Case& c : cases) EXPECT_EQ(ImageExists(&plane, c.set, c.image), c.exists) << c.set << " " << c.image;
  EXPECT_EQ(ImageExists(nullptr, 0, 1), 0);
}

TEST(TileEdits, InvalidTileMessagesAreTheDialogTexts) {
  Sets sets;
  CWorld world;
  world.SetViewRect(CRect{0, 0, 63, 63});
  CPlane* back = world.AddPlane("Back", 2, 1, 16, 16);
  back->AddImageSet(&sets.table, 0, "S");
  EXPECT_EQ(InvalidTileMessages(world), std::vector<std::string>{"Level contains all valid tiles!"});
  CPlane* front = world.AddPlane("Front", 2, 2, 16, 16);
  front->AddImageSet(&sets.table, 0, "S");
  Grid(*back, {MakeTile(0, 2), A});
  Grid(*front, {kColourTile, MakeTile(3, 1), -1, MakeTile(0, 9)});
  EXPECT_EQ(InvalidTileMessages(world),
            (std::vector<std::string>{"Level contains invalid tiles!",
                                      "Plane Back: Bad map tile value (2) at 0,0\n"
                                      "Plane Front: Bad map image set value (3) at 1,0\n"
                                      "Plane Front: Bad map tile value (9) at 1,1\n"}));
}

TEST(TileEdits, TileSizeWarningsGatherIntoOneMessage) {
  Sets sets;
  for (int32_t n = 5; n < 8; ++n) sets.Put("S", n, 16, 20 + n);
  CPlane plane;
  plane.Create(1, 1, 16, 16, CRect{0, 0, 15, 15});
  EXPECT_EQ(TileSizeWarnings(plane), "");
  plane.AddImageSet(&sets.table, 0, "S");
  EXPECT_EQ(TileSizeWarnings(plane, 2), "WARNING!  Tile 3 is 8x16\nWARNING!  Tile 5 is 16x25\n... and 2 more");
  EXPECT_EQ(TileSizeWarnings(plane, 4),
            "WARNING!  Tile 3 is 8x16\nWARNING!  Tile 5 is 16x25\nWARNING!  Tile 6 is 16x26\nWARNING!  Tile 7 is 16x27");
  plane.ChangeTileSize(8, 16);
  EXPECT_EQ(TileSizeWarnings(plane, 1), "WARNING!  Tile 1 is 16x16\n... and 4 more");
}

TEST(TileEdits, StatisticsCountTheSameSetOnlyAndScriptImagesNoPlaneShows) {
  Sets sets;
  CWorld world;
  world.SetViewRect(CRect{0, 0, 63, 63});
  CPlane* current = world.AddPlane("Current", 4, 2, 16, 16);
  current->AddImageSet(&sets.table, 0, "T");
  current->AddImageSet(&sets.table, 1, "S");
  CPlane* other = world.AddPlane("Other", 2, 1, 16, 16);
  other->AddImageSet(&sets.table, 0, "S");
  // Image 0 of S (no image there), 1 twice, 3 through T's slot (not S), stray 9 beyond the slots.
  Grid(*current, {MakeTile(1, 1), MakeTile(1, 1), MakeTile(1, 0), MakeTile(0, 3), MakeTile(1, 9), -1, kColourTile, -1});
  Grid(*other, {MakeTile(0, 4), -1});

  const std::optional<TileStatistics> stats = ComputeTileStatistics(world, *current, 1);
  ASSERT_TRUE(stats);
  EXPECT_EQ(stats->used, (std::vector<int32_t>{0, 1}));
  EXPECT_EQ(stats->countLines, (std::vector<std::string>{"1\ttile 0", "2\ttile 1"}));
  EXPECT_EQ(stats->unused, (std::vector<int32_t>{3, 4}));
  EXPECT_EQ(stats->available, (std::vector<int32_t>{0, 2}));
  EXPECT_EQ(stats->images, 3);
  EXPECT_EQ(stats->script, "del 3.PID\r\n");

  FillPlane(*current, kColourTile);
  FillPlane(*other, kEmptyTile);
  EXPECT_EQ(ComputeTileStatistics(world, *current, 1)->script, "del 1.PID\r\ndel 3.PID\r\ndel 4.PID\r\n");
  EXPECT_TRUE(ComputeTileStatistics(world, *current, 1)->used.empty());
  EXPECT_FALSE(ComputeTileStatistics(world, *current, 2));
}

}  // namespace
}  // namespace vyr
