// The drawing surface: layout, clipped draws, mirrored draws, fills, copies, flip, re-index.
#include "resources/dib.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <utility>
#include <vector>

namespace vyr {
namespace {

// A surface whose pixel (x, y) is 1 + (x + 7y) % 250 unless told otherwise.
CDibG Pattern(int32_t width, int32_t height, RowOrder order = RowOrder::TopDown, int salt = 0) {
  CDibG dib(order);
  EXPECT_TRUE(dib.Create(width, height, nullptr));
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) dib.SetPixel(x, y, uint8_t(1 + (x + 7 * y + salt) % 250));
  return dib;
}

std::vector<uint8_t> Pixels(const CDibG& dib) {
  std::vector<uint8_t> out;
  for (int32_t y = 0; y < dib.Height(); ++y)
    for (int32_t x = 0; x < dib.Width(); ++x) out.push_back(dib.GetPixel(x, y));
  return out;
}

// The reference draw: every source pixel that lands inside the target, mirrored or not.
std::vector<uint8_t> ReferenceDraw(const CDibG& target, int32_t x0, int32_t y0, const CDibG& source, bool transparent,
                                   bool mirrored) {
  std::vector<uint8_t> out = Pixels(target);
  for (int32_t sy = 0; sy < source.Height(); ++sy)
    for (int32_t c = 0; c < source.Width(); ++c) {
      const int64_t tx = int64_t(x0) + c, ty = int64_t(y0) + sy;
      if (tx < 0 || ty < 0 || tx >= target.Width() || ty >= target.Height()) continue;
      const uint8_t v = source.GetPixel(mirrored ? source.Width() - 1 - c : c, sy);
      if (transparent && v == 0) continue;
      out[size_t(ty * target.Width() + tx)] = v;
    }
  return out;
}

TEST(DibLayout, PitchAndRowOffsets) {
  const struct {
    int32_t width, pitch;
  } rows[] = {{1, 4}, {3, 4}, {4, 4}, {5, 8}, {10, 12}, {64, 64}, {65, 68}};
  for (const auto& row : rows) {
    CDibG bottomUp(RowOrder::BottomUp), topDown;
    ASSERT_TRUE(bottomUp.Create(row.width, 3, nullptr));
    ASSERT_TRUE(topDown.Create(row.width, 3, nullptr));
    EXPECT_EQ(bottomUp.Pitch(), row.pitch) << row.width;
    EXPECT_EQ(bottomUp.ImageSize(), size_t(row.pitch) * 3);
    EXPECT_EQ(bottomUp.RowOffset(0), size_t(2 * row.pitch));  // last image row first in memory
    EXPECT_EQ(bottomUp.RowOffset(2), 0u);
    EXPECT_EQ(topDown.RowOffset(0), 0u);
    EXPECT_EQ(topDown.RowOffset(2), size_t(2 * row.pitch));
    EXPECT_EQ(bottomUp.Header().height, 3);
  }
}

TEST(DibLayout, CreateRulesAndLimits) {
  CDibG dib;
  ASSERT_TRUE(dib.Create(8, 8, nullptr));
  EXPECT_TRUE(dib.Create(20, 20, nullptr));  // an existing surface stays
  EXPECT_EQ(dib.Width(), 8);
  dib.Destroy();
  EXPECT_FALSE(dib.IsCreated());
  for (auto [w, h] : {std::pair{0, 5}, {5, 0}, {-1, 5}, {kMaxSurfaceSide + 1, 1}, {kMaxSurfaceSide, kMaxSurfaceSide}})
    EXPECT_FALSE(dib.Create(w, h, nullptr)) << w << " x " << h;
  CPalId palette;
  palette.BuildDefault();
  ASSERT_TRUE(dib.CreateWithPalette(2, 2, &palette));
  EXPECT_EQ(dib.ColourTable()[2 * 4], 51);
  EXPECT_EQ(dib.Palette(), &palette);
}

TEST(DibPixels, CheckedAccessAndPointers) {
  for (RowOrder order : {RowOrder::TopDown, RowOrder::BottomUp}) {
    CDibG dib(order);
    ASSERT_TRUE(dib.Create(5, 3, nullptr));
    dib.SetPixel(4, 2, 9);
    dib.SetPixel(5, 0, 1);
    dib.SetPixel(-1, 0, 1);
    dib.SetPixel(0, 3, 1);
    EXPECT_EQ(dib.GetPixel(4, 2), 9);
    EXPECT_EQ(*dib.PixelPtr(4, 2), 9);
    EXPECT_EQ(dib.RowPtr(2)[4], 9);
    EXPECT_EQ(dib.GetPixel(5, 0), 0);
    EXPECT_EQ(dib.Bits()[dib.RowOffset(2) + 4], 9);
    int nonZero = 0;
    for (size_t i = 0; i < dib.ImageSize(); ++i) nonZero += dib.Bits()[i] != 0;
    EXPECT_EQ(nonZero, 1);
  }
}

struct DrawCase {
  const char* name;
  int32_t x, y, sourceWidth, sourceHeight;
  bool drawn;
};

TEST(DibDraw, ClippingCases) {
  const DrawCase rows[] = {
      {"last column only at (-15, 0)", -15, 0, 16, 16, true},
      {"one pixel at (5, 5)", 5, 5, 1, 1, true},
      {"at the right edge", 100, 0, 16, 16, false},
      {"right edge at -1", -16, 0, 16, 16, false},
      {"bottom edge at -1", 0, -16, 16, 16, false},
      {"below the bottom", 0, 100, 16, 16, false},
      {"last row only", 0, 99, 16, 16, true},
      {"reaching past right and bottom", 90, 95, 16, 16, true},
      {"larger than the target", -10, -10, 130, 120, true},
      {"far away", 2000000000, 5, 16, 16, false},
      {"far negative", -2000000000, 5, 16, 16, false},
  };
  for (const DrawCase& row : rows)
    for (bool mirrored : {false, true})
      for (bool transparent : {false, true}) {
        CDibG target = Pattern(100, 100, RowOrder::TopDown, 3);
        CDibG source = Pattern(row.sourceWidth, row.sourceHeight, RowOrder::BottomUp);
        source.SetPixel(0, 0, 0);
        const auto expected = ReferenceDraw(target, row.x, row.y, source, transparent, mirrored);
        const bool drawn = mirrored ? target.DrawMirrored(row.x, row.y, source, transparent)
                                    : target.Draw(row.x, row.y, source, transparent);
        EXPECT_EQ(drawn, row.drawn) << row.name;
        EXPECT_EQ(Pixels(target), expected) << row.name << (mirrored ? " mirrored" : "")
                                            << (transparent ? " transparent" : "");
      }
}

TEST(DibDraw, LastColumnLandsInColumnZero) {
  CDibG target;
  ASSERT_TRUE(target.Create(100, 100, nullptr));
  CDibG source = Pattern(16, 16);
  ASSERT_TRUE(target.Draw(-15, 0, source, false));
  for (int32_t y = 0; y < 16; ++y) {
    EXPECT_EQ(target.GetPixel(0, y), source.GetPixel(15, y));
    EXPECT_EQ(target.GetPixel(1, y), 0);
  }
}

TEST(DibDraw, RandomPlacementsMatchTheReference) {
  std::mt19937 random(7);
  for (int i = 0; i < 400; ++i) {
    const int32_t tw = 1 + int32_t(random() % 40), th = 1 + int32_t(random() % 40);
    const int32_t sw = 1 + int32_t(random() % 40), sh = 1 + int32_t(random() % 40);
    const int32_t x = int32_t(random() % 100) - 50, y = int32_t(random() % 100) - 50;
    const bool mirrored = random() % 2, transparent = random() % 2;
    CDibG target = Pattern(tw, th, random() % 2 ? RowOrder::TopDown : RowOrder::BottomUp, 11);
    CDibG source = Pattern(sw, sh, random() % 2 ? RowOrder::TopDown : RowOrder::BottomUp);
    for (int k = 0; k < 10; ++k) source.SetPixel(int32_t(random() % uint32_t(sw)), int32_t(random() % uint32_t(sh)), 0);
    const auto expected = ReferenceDraw(target, x, y, source, transparent, mirrored);
    if (mirrored)
      target.DrawMirrored(x, y, source, transparent);
    else
      target.Draw(x, y, source, transparent);
    ASSERT_EQ(Pixels(target), expected) << "case " << i;
  }
}

TEST(DibDraw, TransparentZeroSourceLeavesTarget) {
  CDibG target = Pattern(20, 20);
  const auto before = Pixels(target);
  CDibG source;
  ASSERT_TRUE(source.Create(8, 8, nullptr));
  EXPECT_TRUE(target.Draw(3, 3, source, true));
  EXPECT_TRUE(target.DrawMirrored(3, 3, source, true));
  EXPECT_EQ(Pixels(target), before);
  EXPECT_TRUE(target.Draw(3, 3, source, false));
  EXPECT_EQ(target.GetPixel(3, 3), 0);
}

TEST(DibDraw, MirroredRow) {
  CDibG source;
  ASSERT_TRUE(source.Create(3, 1, nullptr));
  for (int32_t x = 0; x < 3; ++x) source.SetPixel(x, 0, uint8_t(x + 1));
  CDibG target;
  ASSERT_TRUE(target.Create(6, 1, nullptr));
  ASSERT_TRUE(target.DrawMirrored(1, 0, source, false));
  EXPECT_EQ(Pixels(target), (std::vector<uint8_t>{0, 3, 2, 1, 0, 0}));
  // Clipped at the left: the part of the mirrored image that stays on the target.
  target.Fill(0);
  ASSERT_TRUE(target.DrawMirrored(-1, 0, source, false));
  EXPECT_EQ(Pixels(target), (std::vector<uint8_t>{2, 1, 0, 0, 0, 0}));
  target.Fill(0);
  ASSERT_TRUE(target.DrawMirrored(4, 0, source, false));
  EXPECT_EQ(Pixels(target), (std::vector<uint8_t>{0, 0, 0, 0, 3, 2}));
}

TEST(DibFlip, ExchangesRows) {
  CDibG one = Pattern(4, 1);
  const auto before = Pixels(one);
  one.FlipVertical();
  EXPECT_EQ(Pixels(one), before);
  for (RowOrder order : {RowOrder::TopDown, RowOrder::BottomUp}) {
    CDibG three = Pattern(5, 3, order);
    three.FlipVertical();
    for (int32_t x = 0; x < 5; ++x) {
      EXPECT_EQ(three.GetPixel(x, 0), 1 + (x + 14) % 250);
      EXPECT_EQ(three.GetPixel(x, 1), 1 + (x + 7) % 250);
      EXPECT_EQ(three.GetPixel(x, 2), 1 + x % 250);
    }
  }
}

TEST(DibFill, RectanglesCoverExactlyTheirCells) {
  const struct {
    const char* name;
    int32_t x, y;
    CRect rect;
    int filled;
  } rows[] = {
      {"a 2 x 2 cell", 2, 2, {2, 2, 4, 4}, 4},
      {"a 32 x 32 cell", 32, 0, {32, 0, 64, 32}, 32 * 32},
      {"empty", 1, 1, {1, 1, 1, 5}, 0},
      {"reaching outside", -3, -3, {-3, -3, 5, 5}, 25},
      {"entirely outside", 70, 0, {70, 0, 80, 10}, 0},
      {"inverted", 5, 5, {5, 5, 3, 3}, 0},
  };
  for (const auto& row : rows)
    for (bool at : {false, true}) {
      CDibG dib;
      ASSERT_TRUE(dib.Create(64, 64, nullptr));
      if (at)
        dib.FillRectAt(row.x, row.y, CRect{100, 100, 100 + row.rect.Width(), 100 + row.rect.Height()}, 7);
      else
        dib.FillRect(row.rect, 7);
      int filled = 0;
      for (int32_t y = 0; y < 64; ++y)
        for (int32_t x = 0; x < 64; ++x) {
          const bool inside = row.rect.Contains(x, y);
          EXPECT_EQ(dib.GetPixel(x, y), inside ? 7 : 0) << row.name << " at " << x << "," << y;
          filled += dib.GetPixel(x, y) == 7;
        }
      EXPECT_EQ(filled, row.filled) << row.name;
    }
  CDibG dib;
  ASSERT_TRUE(dib.Create(5, 2, nullptr));
  dib.Fill(9);
  for (size_t i = 0; i < dib.ImageSize(); ++i) EXPECT_EQ(dib.Bits()[i], 9);
}

TEST(DibFill, RectanglesWiderThanTheIntRange) {
  // right - left does not fit in 32 bits: the rectangles are clipped, not overflowed.
  CDibG dib;
  ASSERT_TRUE(dib.Create(8, 4, nullptr));
  dib.FillRect(CRect{INT32_MIN, 1, INT32_MAX, 2}, 7);
  dib.FillRectAt(-3, 2, CRect{INT32_MIN, 0, INT32_MAX, 1}, 8);
  CDibG source = Pattern(8, 1);
  for (bool transparent : {false, true})
    EXPECT_TRUE(dib.DrawRect(0, 3, source, CRect{-1, 0, INT32_MAX, 1}, transparent));
  for (int32_t x = 0; x < 8; ++x) {
    EXPECT_EQ(dib.GetPixel(x, 0), 0) << x;
    EXPECT_EQ(dib.GetPixel(x, 1), 7) << x;
    EXPECT_EQ(dib.GetPixel(x, 2), 8) << x;
    EXPECT_EQ(dib.GetPixel(x, 3), x == 0 ? 0 : source.GetPixel(x - 1, 0)) << x;
  }
}

TEST(DibCopy, RectanglesOpaqueAndTransparent) {
  for (bool transparent : {false, true}) {
    CDibG source = Pattern(16, 16);
    source.SetPixel(5, 5, 0);
    CDibG target = Pattern(16, 16, RowOrder::BottomUp, 9);
    const auto before = Pixels(target);
    ASSERT_TRUE(target.DrawRect(8, 2, source, CRect{4, 4, 8, 7}, transparent));
    for (int32_t y = 0; y < 16; ++y)
      for (int32_t x = 0; x < 16; ++x) {
        const bool inside = x >= 8 && x < 12 && y >= 2 && y < 5;
        uint8_t expected = before[size_t(y * 16 + x)];
        if (inside) {
          const uint8_t v = source.GetPixel(x - 4, y + 2);
          if (!(transparent && v == 0)) expected = v;
        }
        EXPECT_EQ(target.GetPixel(x, y), expected) << x << "," << y;
      }
  }
  // Rectangles reaching outside either surface copy only what lies inside both.
  CDibG source = Pattern(8, 8);
  CDibG target;
  ASSERT_TRUE(target.Create(8, 8, nullptr));
  target.CopyRect(source, -2, 0, 0, 0, 4, 1);
  EXPECT_EQ(target.GetPixel(2, 0), source.GetPixel(0, 0));
  EXPECT_EQ(target.GetPixel(0, 0), 0);
  target.CopyRect(source, 6, 6, 6, 6, 100, 100);
  EXPECT_EQ(target.GetPixel(7, 7), source.GetPixel(7, 7));
  target.CopyRectTransparent(source, 0, 0, -100, -100, 1000, 1000);
  target.CopyRect(source, 0, 0, 2000000000, 0, 2000000000, 1);
  EXPECT_EQ(target.GetPixel(7, 7), source.GetPixel(7, 7));
}

TEST(DibCopy, CopyFromSameSize) {
  CDibG source = Pattern(6, 4, RowOrder::BottomUp);
  source.ColourTable()[10] = 77;
  CDibG fresh;
  ASSERT_TRUE(fresh.CopyFrom(source, true));
  EXPECT_EQ(Pixels(fresh), Pixels(source));
  EXPECT_EQ(fresh.ColourTable()[10], 77);
  fresh.ColourTable()[10] = 5;  // the copy shares the table until one of them changes it
  EXPECT_EQ(std::as_const(source).ColourTable()[10], 77);
  CDibG sameSize = Pattern(6, 4, RowOrder::TopDown, 5);
  ASSERT_TRUE(sameSize.CopyFrom(source, false));
  EXPECT_EQ(Pixels(sameSize), Pixels(source));
  EXPECT_EQ(sameSize.ColourTable()[10], 0);
  CDibG other = Pattern(7, 4);
  EXPECT_FALSE(other.CopyFrom(source, true));
}

TEST(DibColourTable, SurfacesShareTheirPalettesTableUntilItIsBuiltAgain) {
  CPalId palette;
  ASSERT_TRUE(palette.BuildDefault());
  CDibG a, b;
  ASSERT_TRUE(a.Create(4, 4, &palette));
  ASSERT_TRUE(b.Create(4, 4, &palette));
  EXPECT_EQ(&std::as_const(a).ColourTable(), &std::as_const(b).ColourTable());
  const ColourTableBytes before = std::as_const(a).ColourTable();
  ASSERT_TRUE(palette.BuildFromRgb(std::vector<uint8_t>(768, 9), false));
  CDibG c;
  ASSERT_TRUE(c.Create(4, 4, &palette));
  EXPECT_EQ(std::as_const(a).ColourTable(), before);
  EXPECT_EQ(std::as_const(c).ColourTable()[0], 9);
}

TEST(DibReindex, MapsEveryByteIntoTheCube) {
  CPalId palette;
  std::vector<uint8_t> rgb(768);
  for (size_t i = 0; i < 256; ++i) {
    rgb[i * 3] = uint8_t(i);
    rgb[i * 3 + 1] = uint8_t(255 - i);
    rgb[i * 3 + 2] = uint8_t(i * 3);
  }
  rgb[0] = 255, rgb[1] = 0, rgb[2] = 132;  // entry 0 stays transparent
  ASSERT_TRUE(palette.BuildFromRgb(rgb));
  CDibG dib = Pattern(5, 3);  // width 5: 3 padding bytes per row
  dib.SetPixel(1, 1, 0);
  std::vector<uint8_t> before(dib.Bits(), dib.Bits() + dib.ImageSize());
  ASSERT_TRUE(dib.ReindexToColourCube(&palette));
  for (size_t i = 0; i < before.size(); ++i) {
    const uint8_t v = before[i];
    EXPECT_EQ(dib.Bits()[i], ColourCubeIndex(rgb[v * 3u], rgb[v * 3u + 1], rgb[v * 3u + 2])) << i;
  }
  EXPECT_EQ(dib.GetPixel(1, 1), 0);

  CDibG without = Pattern(4, 4);
  const auto unchanged = Pixels(without);
  EXPECT_FALSE(without.ReindexToColourCube());
  EXPECT_EQ(Pixels(without), unchanged);
  CDibG own;
  ASSERT_TRUE(own.Create(4, 1, &palette));
  own.Fill(2);
  ASSERT_TRUE(own.ReindexToColourCube());
  EXPECT_EQ(own.GetPixel(0, 0), ColourCubeIndex(2, 253, 6));
}

}  // namespace
}  // namespace vyr
