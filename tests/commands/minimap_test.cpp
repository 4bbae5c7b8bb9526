// Tests of the minimap: block colours, a cell's update against a fresh drawing, the view's rectangle at two zooms.
#include "commands/minimap.h"

#include <gtest/gtest.h>

#include <memory>

#include "commands/view_model_fakes.h"
#include "commands/view_zoom.h"
#include "resources/dib.h"
#include "resources/image_set.h"
#include "resources/palette.h"
#include "world/plane.h"

namespace vyr {
namespace {

// A 5 x 3 plane of 4-pixel tiles whose images are two solid colours, one of them
// transparent with a hole.
struct MinimapScene {
  CPalId palette;
  CImageSetTable sets;
  CPlane plane;

  MinimapScene() {
    palette.BuildDefault();
    CImageSet* set = sets.FindOrCreate("T");
    for (int32_t n = 0; n < 2; ++n) {
      auto image = std::make_unique<CImage>();
      EXPECT_TRUE(image->Surface().Create(4, 4, &palette));
      image->Surface().Fill(uint8_t(n == 0 ? 40 : 90));
      if (n == 1) image->Surface().SetPixel(0, 0, 0);
      image->m_transparent = n == 1;
      set->PutImage(n, std::move(image));
    }
    EXPECT_EQ(plane.Create(5, 3, 4, 4, {0, 0, 99, 99}), 1);
    plane.AddImageSet(&sets, 0, "T");
    plane.m_fillColour = 200;
    for (int32_t r = 0; r < 3; ++r)
      for (int32_t c = 0; c < 5; ++c) plane.SetTile(c, r, (c + r) % 3 == 0 ? MakeTile(0, 0) : (c + r) % 3 == 1 ? MakeTile(0, 1) : kColourTile);
  }

  uint32_t Colour(uint8_t index) const {
    const PaletteEntry& e = palette.Entry(index);
    return 0xFF000000u | uint32_t(e.red) << 16 | uint32_t(e.green) << 8 | e.blue;
  }
};

uint32_t Channel(uint32_t colour, int shift) { return colour >> shift & 0xFF; }

TEST(Minimap, BlocksAverageTheirCellsAndACellUpdateMatchesAFreshDrawing) {
  MinimapScene scene;
  CMinimap minimap;
  // At most 3 pixels wide: blocks of 2 x 2 cells, the last column and row cut short.
  minimap.Build(scene.plane, scene.palette, 3, 3);
  ASSERT_EQ(minimap.CellsPerPixel(), 2);
  ASSERT_EQ(minimap.Width(), 3);
  ASSERT_EQ(minimap.Height(), 2);
  // Block (2, 1) holds cell (4, 2) alone: (4 + 2) % 3 == 0, image 0, solid index 40; a
  // transparent image's hole does not count.
  EXPECT_EQ(minimap.Pixels()[1 * 3 + 2], scene.Colour(40));
  // Block (0, 0): cells (0,0) image 0, (1,0) image 1, (0,1) image 1, (1,1) colour 200.
  const uint32_t parts[] = {scene.Colour(40), scene.Colour(90), scene.Colour(90), scene.Colour(200)};
  for (int shift : {0, 8, 16}) {
    uint32_t sum = 0;
    for (uint32_t part : parts) sum += Channel(part, shift);
    EXPECT_EQ(Channel(minimap.Pixels()[0], shift), sum / 4) << shift;
  }

  for (const CellPoint cell : {CellPoint{1, 1}, CellPoint{4, 2}}) {
    scene.plane.SetTile(cell.column, cell.row, kEmptyTile);
    minimap.UpdateCells(scene.plane, scene.palette, {cell.column, cell.row, cell.column, cell.row});
    CMinimap fresh;
    fresh.Build(scene.plane, scene.palette, 3, 3);
    EXPECT_EQ(minimap.Pixels(), fresh.Pixels()) << cell.column << "," << cell.row;
  }
}

// A 100 x 80 plane of 32-pixel tiles in blocks of 2 x 2 cells, the view 640 x 480 scrolled to (320, 160).
TEST(Minimap, TheViewsRectangleAtTwoZooms) {
  CPlane plane;
  ASSERT_EQ(plane.Create(100, 80, 32, 32, {0, 0, 99, 99}), 1);
  CPalId palette;
  palette.BuildDefault();
  CMinimap minimap;
  minimap.Build(plane, palette, 50, 50);
  ASSERT_EQ(minimap.CellsPerPixel(), 2);
  struct Case {
    int32_t percent;
    CRect rect;
  };
  const Case cases[] = {{100, {5, 2, 15, 10}}, {25, {5, 2, 45, 33}}};
  for (const Case& c : cases) {
    viewtest::ViewFixture view(100, 80, 32, 640, 480);
    while (view.model.Zoom().Percent() > c.percent) view.model.ZoomAtCentre(-1);
    view.model.SetScroll(320, 160);
    view.model.RefreshView();
    EXPECT_EQ(minimap.ViewRect(view.model.ScrollX(), view.model.ScrollY(), view.model.ClientWidth(),
                               view.model.ClientHeight()),
              c.rect)
        << c.percent;
  }
  // A click scrolls the view to the centre of the block clicked.
  EXPECT_EQ(minimap.ViewPixelAt(3, 1), (PixelPoint{224, 96}));
}

}  // namespace
}  // namespace vyr
