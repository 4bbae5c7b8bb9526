// Tests of CPlane::Draw and DrawObjects: cells at the scroll position, partial first cells, fill, empty and bad tiles, transparency, objects.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "resources/dib.h"
#include "resources/image_set.h"
#include "resources/palette.h"
#include "world/game_object.h"
#include "world/plane.h"

namespace vyr {
namespace {

constexpr uint8_t kBackground = 255;

// Pixel of image `number` at (u, v): never 0, never the background, different per image.
uint8_t ImagePixel(int32_t number, int32_t u, int32_t v) { return uint8_t((number * 61 + u * 7 + v * 13) % 250 + 1); }

struct DrawFixture {
  CPalId palette;
  CImageSetTable sets;
  CPlane plane;
  CDibG surface;

  DrawFixture(int32_t columns, int32_t rows, int32_t tileWidth, int32_t tileHeight, int32_t viewWidth,
              int32_t viewHeight, int imageCount = 4) {
    palette.BuildDefault();
    CImageSet* set = sets.FindOrCreate("TILES");
    for (int32_t n = 0; n < imageCount; ++n) AddImage(*set, n, tileWidth, tileHeight, false, [n](int32_t u, int32_t v) {
        return ImagePixel(n, u, v);
      });
    EXPECT_EQ(plane.Create(columns, rows, tileWidth, tileHeight, {0, 0, viewWidth - 1, viewHeight - 1}), 1);
    EXPECT_NE(plane.AddImageSet(&sets, 0, "TILES"), nullptr);
    EXPECT_TRUE(surface.Create(viewWidth, viewHeight, &palette));
  }

  template <typename PixelFn>
  CImage* AddImage(CImageSet& set, int32_t number, int32_t width, int32_t height, bool transparent, PixelFn pixel,
                   int32_t offsetX = 0) {
    auto image = std::make_unique<CImage>();
    image->m_offsetX = offsetX;
    EXPECT_TRUE(image->Surface().Create(width, height, &palette));
    for (int32_t v = 0; v < height; ++v)
      for (int32_t u = 0; u < width; ++u) image->Surface().SetPixel(u, v, pixel(u, v));
    image->m_width = width;
    image->m_height = height;
    image->m_transparent = transparent;
    return set.PutImage(number, std::move(image));
  }

  void Render(int32_t originX, int32_t originY) {
    plane.m_viewOriginX = originX;
    plane.m_viewOriginY = originY;
    plane.UpdateVisible();
    surface.Fill(kBackground);
    EXPECT_EQ(plane.Draw(surface), 1);
  }
};

TEST(PlaneDrawTest, FirstColumnStartsInsideItsTile) {
  // scroll 100 with 64-pixel tiles: the first column shows source x 36 … 63, then whole tiles
  DrawFixture fixture(10, 10, 64, 64, 200, 100, 1);
  CImage* image = fixture.sets.Find("TILES")->GetImage(0);
  for (int32_t v = 0; v < 64; ++v)
    for (int32_t u = 0; u < 64; ++u) image->Surface().SetPixel(u, v, uint8_t(u + 1));
  for (int32_t& cell : fixture.plane.LoadingTiles()) cell = MakeTile(0, 0);
  fixture.Render(100, 0);
  EXPECT_EQ(fixture.surface.GetPixel(0, 0), 36 + 1);
  EXPECT_EQ(fixture.surface.GetPixel(27, 0), 63 + 1);
  EXPECT_EQ(fixture.surface.GetPixel(28, 0), 0 + 1);
  EXPECT_EQ(fixture.surface.GetPixel(91, 50), 63 + 1);
  EXPECT_EQ(fixture.surface.GetPixel(92, 99), 0 + 1);
  EXPECT_EQ(fixture.surface.GetPixel(199, 0), 199 - 28 - 128 + 1);  // the last column cut by the surface
}

// Every surface pixel against the world pixel it shows.
TEST(PlaneDrawTest, SurfaceShowsTheWorldAtTheOrigin) {
  struct Row {
    int32_t columns, rows, tileWidth, tileHeight, viewWidth, viewHeight, originX, originY;
  };
  const Row rows[] = {
      {20, 20, 16, 16, 100, 80, 0, 0},    {20, 20, 16, 16, 100, 80, 100, 37},
      {40, 30, 64, 32, 300, 200, 1000, 500},  {20, 20, 16, 16, 100, 80, -30, -5},  // a negative origin shows from 0
      {20, 20, 16, 16, 100, 80, 250, 290},  // past the plane's end: the rest stays background
      {12, 9, 48, 24, 200, 120, 50, 30},    // tiles that are no power of two
      {5, 5, 1, 1, 7, 7, 2, 1},
  };
  for (const Row& row : rows) {
    DrawFixture fixture(row.columns, row.rows, row.tileWidth, row.tileHeight, row.viewWidth, row.viewHeight);
    for (int32_t r = 0; r < row.rows; ++r)
      for (int32_t c = 0; c < row.columns; ++c) fixture.plane.SetTile(c, r, MakeTile(0, uint32_t(c + 2 * r) % 4));
    fixture.Render(row.originX, row.originY);
    int wrong = 0;
    for (int32_t sy = 0; sy < row.viewHeight; ++sy)
      for (int32_t sx = 0; sx < row.viewWidth; ++sx) {
        const int32_t wx = sx + std::max(row.originX, 0);
        const int32_t wy = sy + std::max(row.originY, 0);
        const int32_t c = wx / row.tileWidth;
        const int32_t r = wy / row.tileHeight;
        uint8_t want = kBackground;
        if (c < row.columns && r < row.rows)
          want = ImagePixel((c + 2 * r) % 4, wx % row.tileWidth, wy % row.tileHeight);
        if (fixture.surface.GetPixel(sx, sy) != want) ++wrong;
      }
    EXPECT_EQ(wrong, 0) << row.tileWidth << "x" << row.tileHeight << " at " << row.originX << "," << row.originY;
  }
}

TEST(PlaneDrawTest, FillEmptyAndBadCells) {
  DrawFixture fixture(6, 1, 16, 16, 96, 16, 0);
  CImageSet& set = *fixture.sets.Find("TILES");
  for (int32_t n : {0, 2}) fixture.AddImage(set, n, 16, 16, false, [n](int32_t u, int32_t v) { return ImagePixel(n, u, v); });
  fixture.plane.m_fillColour = 0x1AB;  // only the low byte counts
  const int32_t cells[] = {
      kColourTile,
      kEmptyTile,
      MakeTile(3, 0),   // set number beyond the plane's table
      MakeTile(0, 99),  // image number beyond the set
      MakeTile(0, 2),
      MakeTile(0, 1),   // an empty slot inside the set
  };
  for (int32_t c = 0; c < 6; ++c) fixture.plane.SetTile(c, 0, cells[c]);
  fixture.Render(0, 0);
  for (int32_t c = 0; c < 6; ++c) {
    for (int32_t u : {0, 7, 15}) {
      uint8_t want = kBackground;
      if (c == 0) want = 0xAB;
      if (c == 4) want = ImagePixel(2, u, 5);
      EXPECT_EQ(fixture.surface.GetPixel(c * 16 + u, 5), want) << "cell " << c << " u " << u;
    }
  }
}

TEST(PlaneDrawTest, FillCellsAreClippedLikeImages) {
  DrawFixture fixture(10, 10, 16, 16, 40, 40);
  fixture.plane.m_fillColour = 9;
  fixture.plane.SetTile(1, 1, kColourTile);
  fixture.Render(20, 20);  // cell (1, 1) covers world 16 … 31: screen 0 … 11
  EXPECT_EQ(fixture.surface.GetPixel(0, 0), 9);
  EXPECT_EQ(fixture.surface.GetPixel(11, 11), 9);
  EXPECT_EQ(fixture.surface.GetPixel(12, 0), kBackground);
  EXPECT_EQ(fixture.surface.GetPixel(0, 12), kBackground);
}

TEST(PlaneDrawTest, TransparentImagesKeepWhatIsBeneath) {
  DrawFixture fixture(2, 1, 8, 8, 16, 8, 0);
  CImageSet& set = *fixture.sets.Find("TILES");
  fixture.AddImage(set, 0, 8, 8, true, [](int32_t u, int32_t) { return uint8_t(u % 2 ? 0 : 40); });
  fixture.AddImage(set, 1, 8, 8, false, [](int32_t u, int32_t) { return uint8_t(u % 2 ? 0 : 40); });
  fixture.plane.ResolveImageSets(&fixture.sets);
  fixture.plane.SetTile(0, 0, MakeTile(0, 0));
  fixture.plane.SetTile(1, 0, MakeTile(0, 1));
  fixture.Render(0, 0);
  EXPECT_EQ(fixture.surface.GetPixel(0, 3), 40);
  EXPECT_EQ(fixture.surface.GetPixel(1, 3), kBackground);  // transparent: background stays
  EXPECT_EQ(fixture.surface.GetPixel(8, 3), 40);
  EXPECT_EQ(fixture.surface.GetPixel(9, 3), 0);  // opaque: index 0 is drawn
}

TEST(PlaneDrawTest, ImagesSmallerOrLargerThanTheTile) {
  DrawFixture fixture(3, 1, 16, 16, 48, 16, 0);
  CImageSet& set = *fixture.sets.Find("TILES");
  fixture.AddImage(set, 0, 4, 4, false, [](int32_t, int32_t) { return uint8_t(70); });
  fixture.AddImage(set, 1, 40, 40, false, [](int32_t, int32_t) { return uint8_t(80); });
  fixture.plane.ResolveImageSets(&fixture.sets);
  fixture.plane.SetTile(0, 0, MakeTile(0, 0));
  fixture.plane.SetTile(1, 0, MakeTile(0, 1));
  fixture.Render(0, 0);
  EXPECT_EQ(fixture.surface.GetPixel(3, 3), 70);
  EXPECT_EQ(fixture.surface.GetPixel(4, 3), kBackground);  // nothing read beyond the small image
  EXPECT_EQ(fixture.surface.GetPixel(0, 4), kBackground);
  EXPECT_EQ(fixture.surface.GetPixel(31, 15), 80);
  EXPECT_EQ(fixture.surface.GetPixel(32, 0), kBackground);  // the large image stays inside its cell
}

TEST(PlaneDrawTest, NothingWithoutGridOrSurface) {
  CPlane plane;
  CPalId palette;
  palette.BuildDefault();
  CDibG surface;
  ASSERT_TRUE(surface.Create(16, 16, &palette));
  EXPECT_EQ(plane.Draw(surface), 0);
  ASSERT_EQ(plane.Create(4, 4, 16, 16, {0, 0, 15, 15}), 1);
  CDibG none;
  EXPECT_EQ(plane.Draw(none), 0);
}

TEST(PlaneDrawTest, ObjectsAreCentredAtTheOriginInListOrderAndMirroredByTheirFlags) {
  DrawFixture fixture(4, 4, 16, 16, 64, 64);
  CImageSet* sprites = fixture.sets.FindOrCreate("SPRITES");
  // 8 × 4: left half colour 10, right half 20; image 1 a plain 30.
  fixture.AddImage(*sprites, 0, 8, 4, false, [](int32_t u, int32_t) { return uint8_t(u < 4 ? 10 : 20); });
  fixture.AddImage(*sprites, 1, 8, 4, false, [](int32_t, int32_t) { return uint8_t(30); });
  auto add = [&](int32_t x, int32_t y, int32_t index, int32_t flags, const char* set) {
    CGameObject* object = fixture.plane.NewObject(0);
    object->MoveTo(x, y), object->m_imageIndex = index, object->m_drawFlags = flags;
    object->m_imageSet = set;
    return object;
  };
  add(20, 20, -1, 0, "SPRITES");                  // lowest image, at (16, 18) … (23, 21)
  add(40, 20, 0, kImageDrawMirrored, "SPRITES");  // (36, 18) … (43, 21), right half first
  add(22, 20, 1, 0, "SPRITES");                   // later in the list: over the first
  CGameObject* unnamed = add(50, 50, 0, 0, "SPRITES");
  ASSERT_NE(unnamed->ResolveImage(&fixture.sets), nullptr);
  unnamed->m_imageSet.clear();  // its cached image is now stale
  fixture.Render(0, 0);
  fixture.plane.DrawObjects(fixture.surface, &fixture.sets, 10, 0);  // the view scrolled 10 right
  const struct {
    int32_t x, y;
    uint8_t colour;
  } pixels[] = {{6, 18, 10}, {7, 21, 10}, {8, 18, 30}, {15, 21, 30}, {26, 18, 20}, {30, 18, 10}, {33, 21, 10}};
  for (const auto& p : pixels) EXPECT_EQ(fixture.surface.GetPixel(p.x, p.y), p.colour) << p.x << "," << p.y;
  EXPECT_NE(fixture.surface.GetPixel(6, 17), 10);
  EXPECT_EQ(unnamed->ResolveImage(&fixture.sets), nullptr) << "an object without a set is left imageless";
  EXPECT_EQ(fixture.surface.GetPixel(40, 48), kBackground);
}

// Objects out of sight are passed over, but one whose image reaches into the view is not.
TEST(PlaneDrawTest, ObjectsOutsideTheViewAreSkippedUnlessTheirImageReachesIn) {
  DrawFixture fixture(4, 4, 16, 16, 64, 64);
  CImageSet* sprites = fixture.sets.FindOrCreate("SPRITES");
  fixture.AddImage(*sprites, 0, 40, 4, false, [](int32_t, int32_t) { return uint8_t(30); }, -12);
  CGameObject* reaching = fixture.plane.NewObject(0);
  reaching->MoveTo(95, 10), reaching->m_imageSet = "SPRITES";  // drawn from 95 - 20 - 12
  CGameObject* far = fixture.plane.NewObject(0);
  far->MoveTo(1000, 10), far->m_imageSet = "SPRITES";
  // Resolved before, out of sight now: the sets may have changed, so the drawing drops it.
  CGameObject* cached = fixture.plane.NewObject(0);
  cached->MoveTo(1000, 100), cached->m_imageSet = "SPRITES";
  cached->UpdateBounds(&fixture.sets);
  ASSERT_NE(cached->m_image, nullptr);
  fixture.Render(0, 0);
  fixture.plane.DrawObjects(fixture.surface, &fixture.sets, 0, 0);
  EXPECT_EQ(fixture.surface.GetPixel(63, 10), 30);
  EXPECT_NE(fixture.surface.GetPixel(62, 10), 30);
  EXPECT_EQ(far->m_image, nullptr);
  EXPECT_EQ(far->m_bounds, CRect{});
  EXPECT_EQ(cached->m_image, nullptr);
}

}  // namespace
}  // namespace vyr
