// The snapshot's drawing checked pixel by pixel against a per-pixel model of the rules: cells, colour
// cells, empty and bad values, transparency, clipping, objects in list order, mirrored and cut at the edges.
#include "world/map_snapshot.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "resources/dib.h"
#include "resources/image_set.h"
#include "resources/palette.h"
#include "world/game_object.h"
#include "world/plane.h"
#include "world/plane_stack_draw.h"

namespace vyr {
namespace {

constexpr uint8_t kBackground = 255;
constexpr uint8_t kFill = 77;

// Never 0 except where a transparent image has its holes; different per image and pixel.
uint8_t Pixel(int32_t number, int32_t u, int32_t v, bool holes) {
  if (holes && (u + v) % 3 == 0) return 0;
  return uint8_t((number * 53 + u * 7 + v * 29) % 250 + 1);
}

int64_t Floor(int64_t value, int64_t d) { return value >= 0 ? value / d : -((-value + d - 1) / d); }

struct ImageSpec {
  int32_t width, height;
  bool transparent;
  int32_t offsetX = 0, offsetY = 0;
};

struct SnapshotScene {
  CPalId palette;
  CImageSetTable sets;
  CPlane plane;
  int32_t tileWidth, tileHeight;
  std::vector<ImageSpec> tileImages;
  std::vector<ImageSpec> objectImages;

  SnapshotScene(int32_t tw, int32_t th) : tileWidth(tw), tileHeight(th) {
    palette.BuildDefault();
    // Opaque, transparent with holes, larger than the cell, smaller than the cell.
    tileImages = {{tw, th, false}, {tw, th, true}, {tw + 5, th + 3, false}, {(tw + 1) / 2, (th + 1) / 2, false}};
    Fill("T", tileImages, 0);
    objectImages = {{7, 5, true, 2, 1}, {6, 9, false, -1, 2}};
    Fill("OBJ", objectImages, 10);
    EXPECT_EQ(plane.Create(5, 3, tw, th, {0, 0, 99, 99}), 1);
    plane.AddImageSet(&sets, 0, "T");
    plane.m_fillColour = 0x1200 | kFill;
    const int32_t cells[3][5] = {
        {MakeTile(0, 0), MakeTile(0, 1), kColourTile, kEmptyTile, MakeTile(0, 2)},
        {MakeTile(0, 3), MakeTile(4, 0), MakeTile(0, 9), MakeTile(0, 1), kColourTile},
        {kColourTile, MakeTile(0, 2), MakeTile(0, 0), MakeTile(0, 3), MakeTile(0, 0)}};
    for (int32_t r = 0; r < 3; ++r)
      for (int32_t c = 0; c < 5; ++c) plane.SetTile(c, r, cells[r][c]);
  }

  void Fill(const std::string& name, const std::vector<ImageSpec>& specs, int32_t first) {
    CImageSet* set = sets.FindOrCreate(name);
    for (size_t n = 0; n < specs.size(); ++n) {
      const ImageSpec& s = specs[n];
      auto image = std::make_unique<CImage>();
      EXPECT_TRUE(image->Surface().Create(s.width, s.height, &palette));
      for (int32_t v = 0; v < s.height; ++v)
        for (int32_t u = 0; u < s.width; ++u)
          image->Surface().SetPixel(u, v, Pixel(first + int32_t(n), u, v, s.transparent));
      image->m_width = s.width;
      image->m_height = s.height;
      image->m_transparent = s.transparent;
      image->m_offsetX = s.offsetX;
      image->m_offsetY = s.offsetY;
      set->PutImage(int32_t(n), std::move(image));
    }
  }

  CGameObject* AddObject(int32_t x, int32_t y, const std::string& set, int32_t image, bool mirrored) {
    CGameObject* object = plane.NewObject(0);
    object->m_logic = "Thing";
    object->MoveTo(x, y);
    object->m_imageSet = set;
    object->m_imageIndex = image;
    object->m_drawFlags = mirrored ? kDrawMirror : 0;
    return object;
  }

  // The cell index whose reduced span [(i · tile) / d, ((i + 1) · tile) / d) holds `at`.
  static int64_t CellOf(int64_t at, int64_t tile, int64_t d) {
    int64_t i = 0;
    while ((i + 1) * tile / d <= at) ++i;
    return i;
  }

  std::vector<uint8_t> ExpectedTiles(int64_t d, int64_t width, int64_t height) const {
    std::vector<uint8_t> out(size_t(width * height), kBackground);
    for (int64_t y = 0; y < height; ++y)
      for (int64_t x = 0; x < width; ++x) {
        const int64_t c = CellOf(x, tileWidth, d), r = CellOf(y, tileHeight, d);
        const int32_t value = plane.GetTile(int32_t(c), int32_t(r));
        uint8_t& pixel = out[size_t(y * width + x)];
        if (value == kColourTile) pixel = kFill;
        if (plane.CheckTile(value) != TileCheck::kImage) continue;
        const int32_t number = int32_t(TileImageNumber(value));
        const ImageSpec& s = tileImages[size_t(number)];
        const int64_t u = (x - c * tileWidth / d) * d, v = (y - r * tileHeight / d) * d;
        if (u < s.width && v < s.height && Pixel(number, int32_t(u), int32_t(v), s.transparent) != 0)
          pixel = Pixel(number, int32_t(u), int32_t(v), s.transparent);
      }
    return out;
  }

  void PaintObjects(std::vector<uint8_t>& out, int64_t d, int64_t width, int64_t height) const {
    for (const auto& object : plane.Objects()) {
      if (object->m_imageSet != "OBJ") continue;
      const size_t number = size_t(object->m_imageIndex);
      const ImageSpec& s = objectImages[number];
      const bool mirrored = object->m_drawFlags & kDrawMirror;
      const int64_t left = Floor(object->m_x - s.width / 2 + (mirrored ? -s.offsetX : s.offsetX), d);
      const int64_t top = Floor(object->m_y - s.height / 2 + s.offsetY, d);
      for (int64_t y = std::max<int64_t>(top, 0); y < height; ++y)
        for (int64_t x = std::max<int64_t>(left, 0); x < width; ++x) {
          const int64_t k = (x - left) * d, v = (y - top) * d;
          if (k >= s.width || v >= s.height) continue;
          const int64_t u = mirrored ? s.width - 1 - k : k;
          const uint8_t p = Pixel(10 + int32_t(number), int32_t(u), int32_t(v), s.transparent);
          if (p != 0) out[size_t(y * width + x)] = p;
        }
    }
  }

  static std::vector<uint8_t> Pixels(const CSnapshotDib& dib) {
    std::vector<uint8_t> out;
    for (int32_t y = 0; y < dib.Height(); ++y) out.insert(out.end(), dib.RowPtr(y), dib.RowPtr(y) + dib.Width());
    return out;
  }
};

TEST(MapSnapshot, TilesAndObjectsAtEveryDivisor) {
  struct Case {
    int32_t tileWidth, tileHeight;
    int32_t divisor;  // asked
    int32_t used;
  } cases[] = {{16, 16, 1, 1}, {16, 16, 2, 2}, {16, 16, 4, 4}, {16, 16, 8, 8}, {16, 16, 0, 1},
               {6, 10, 4, 4},  {6, 10, 8, 6},  {5, 3, 2, 2},   {2, 2, 8, 2},   {9, 7, -3, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.tileWidth) + "x" + std::to_string(c.tileHeight) + " / " + std::to_string(c.divisor));
    SnapshotScene scene(c.tileWidth, c.tileHeight);
    const int64_t pixelWidth = 5 * c.tileWidth, pixelHeight = 3 * c.tileHeight;
    // Past the right edge, in list order over each other, mirrored, partly above and left of
    // the plane, without a set, and one whose cached image is stale.
    scene.AddObject(int32_t(pixelWidth - 2), int32_t(pixelHeight / 2), "OBJ", 0, false);
    scene.AddObject(8, 6, "OBJ", 1, false);
    scene.AddObject(9, 7, "OBJ", 0, true);
    scene.AddObject(-3, -1, "OBJ", 1, true);
    scene.AddObject(20, 20, "", 0, false);
    CGameObject* stale = scene.AddObject(int32_t(pixelWidth / 2), int32_t(pixelHeight - 1), "OBJ", 1, false);
    stale->SetImage(scene.sets.Find("T")->GetImage(0));
    EXPECT_EQ(MapshotDivisor(scene.plane, c.divisor), c.used);

    const int64_t d = c.used, width = pixelWidth / d, height = pixelHeight / d;
    std::vector<uint8_t> expected = scene.ExpectedTiles(d, width, height);
    for (const bool objects : {false, true}) {
      std::string reason;
      auto dib = DrawMapshot(scene.plane, &scene.sets, c.divisor, objects, &reason);
      ASSERT_TRUE(dib) << reason;
      ASSERT_EQ(dib->Width(), width);
      ASSERT_EQ(dib->Height(), height);
      if (objects) scene.PaintObjects(expected, d, width, height);
      const std::vector<uint8_t> pixels = SnapshotScene::Pixels(*dib);
      for (size_t i = 0; i < pixels.size(); ++i)
        ASSERT_EQ(int(pixels[i]), int(expected[i]))
            << (objects ? "objects" : "tiles") << " at " << i % size_t(width) << "," << i / size_t(width);
      // Drawn a cell row at a time, objects crossing bands: the same picture.
      std::vector<uint8_t> streamed;
      MapshotBands bands;
      bands.rows = [&](const uint8_t* rows, ptrdiff_t stride, int32_t count) {
        for (int32_t y = 0; y < count; ++y) streamed.insert(streamed.end(), rows + y * stride, rows + y * stride + width);
        return true;
      };
      ASSERT_TRUE(StreamMapshot(scene.plane, &scene.sets, c.divisor, objects, bands, &reason, 1)) << reason;
      EXPECT_EQ(streamed, pixels);
      if (!objects) continue;
      // The view's reduced drawing of the same area, scrolled to the plane's corner and one
      // cell in: the same bytes.
      for (const int32_t cells : {0, 1}) {
        CDibG view;
        const int64_t left = cells * c.tileWidth / d, top = cells * c.tileHeight / d;
        ASSERT_TRUE(view.Create(int32_t(width - left), int32_t(height - top), &scene.palette));
        ViewDrawState state;
        state.divisor = int32_t(d);
        const CRect whole{0, 0, view.Width(), view.Height()};
        RenderViewScene(ViewScene{nullptr, &scene.plane, &scene.sets, cells * c.tileWidth, cells * c.tileHeight, false, true},
                        view, state, &whole);
        for (int32_t y = 0; y < view.Height(); ++y)
          ASSERT_EQ(0, std::memcmp(view.RowPtr(y), pixels.data() + (y + top) * width + left, size_t(view.Width())))
              << "view row " << y << " scrolled " << cells;
      }
    }
  }
}

// A picture larger than the cache is written past it; it must still be the one the
// bands show.
TEST(MapSnapshot, ALargePictureMatchesItsBands) {
  SnapshotScene scene(8, 8);
  CPlane plane;
  ASSERT_EQ(plane.Create(400, 400, 8, 8, {0, 0, 99, 99}), 1);
  plane.AddImageSet(&scene.sets, 0, "T");
  const int32_t values[] = {MakeTile(0, 0), MakeTile(0, 1), MakeTile(0, 2), MakeTile(0, 3), kColourTile, kEmptyTile};
  for (int32_t i = 0; i < 400 * 400; ++i) plane.SetTile(i % 400, i / 400, values[(i * 7 + i / 400) % 6]);
  auto dib = DrawMapshot(plane, &scene.sets, 1, false);
  ASSERT_TRUE(dib);
  ASSERT_GT(dib->ImageSize(), size_t(8) << 20);
  int32_t y = 0;
  MapshotBands bands;
  bands.rows = [&](const uint8_t* rows, ptrdiff_t stride, int32_t count) {
    for (int32_t i = 0; i < count; ++i, ++y)
      if (std::memcmp(rows + i * stride, dib->RowPtr(y), size_t(dib->Width())) != 0) return false;
    return true;
  };
  EXPECT_TRUE(StreamMapshot(plane, &scene.sets, 1, false, bands));
  EXPECT_EQ(y, dib->Height());
}

TEST(MapSnapshot, SizesAreCheckedBeforeAnythingIsAllocated) {
  struct Case {
    int32_t columns, rows, tile, divisor;
    std::string size;  // the snapshot's, or in the reason when it cannot be made
    bool made;
  } cases[] = {{1000, 1000, 2048, 1, "2048000 x 2048000", false},
               {1000, 1, 66, 1, "66000 x 66", false},
               {520, 520, 64, 1, "33280 x 33280", false},  // sides fit, 1 GiB does not
               {100, 50, 64, 8, "800 x 400", true},
               {100, 50, 64, 1, "6400 x 3200", true}};
  for (const Case& c : cases) {
    CPlane plane;
    ASSERT_EQ(plane.Create(c.columns, c.rows, c.tile, c.tile, {0, 0, 9, 9}), 1);
    std::string reason;
    auto dib = DrawMapshot(plane, nullptr, c.divisor, true, &reason);
    ASSERT_EQ(dib != nullptr, c.made) << c.size;
    std::string streamed;
    MapshotBands bands;
    bands.rows = [](const uint8_t*, ptrdiff_t, int32_t) { return true; };
    EXPECT_EQ(StreamMapshot(plane, nullptr, c.divisor, true, bands, &streamed), c.made) << c.size;
    EXPECT_EQ(streamed, c.made ? "" : reason);
    if (dib) {
      EXPECT_EQ(std::to_string(dib->Width()) + " x " + std::to_string(dib->Height()), c.size);
    } else {
      EXPECT_NE(reason.find(c.size), std::string::npos) << reason;
      EXPECT_NE(reason.find("Choose a smaller scale."), std::string::npos) << reason;
    }
  }
  CPlane noGrid;
  EXPECT_EQ(DrawMapshot(noGrid, nullptr, 1, true), nullptr);
}

}  // namespace
}  // namespace vyr
