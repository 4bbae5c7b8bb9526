// Tests of the all-planes preview: parallax scrolls, the dimmed palette mapping, and planes drawn in z order around the current one.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "resources/dib.h"
#include "resources/palette.h"
#include "world/plane.h"
#include "world/plane_stack_draw.h"
#include "world/world.h"

namespace vyr {
namespace {

TEST(PlaneStackDraw, ParallaxScrollFollowsOneCamera) {
  struct Case {
    int32_t scroll, currentMovement, movement, expected;
  };
  const Case cases[] = {
      {640, 100, 50, 320},  {640, 100, 100, 640}, {640, 50, 100, 1280}, {640, 100, 0, 0},
      {333, 100, 33, 109},  {100, 0, 50, 50},     {7, 200, 100, 3},     {-10, 100, 50, -5},
      {2000000000, 1, 100, INT32_MAX},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ParallaxScroll(c.scroll, c.currentMovement, c.movement), c.expected)
        << c.scroll << " at " << c.currentMovement << "% for " << c.movement << "%";
}

// Black everywhere but a few colours whose halfway blends toward white are in the table.
void BuildTestPalette(CPalId& palette) {
  std::array<uint8_t, 768> rgb{};
  auto set = [&rgb](int index, uint8_t r, uint8_t g, uint8_t b) {
    rgb[size_t(index) * 3] = r, rgb[size_t(index) * 3 + 1] = g, rgb[size_t(index) * 3 + 2] = b;
  };
  set(1, 200, 0, 0);
  set(2, 227, 127, 127);
  set(3, 128, 128, 128);
  set(4, 0, 0, 200);
  set(5, 127, 127, 227);
  set(255, 255, 255, 255);
  EXPECT_TRUE(palette.BuildFromRgb(ByteSpan(rgb.data(), rgb.size()), false));
}

TEST(PlaneStackDraw, DimmingBlendsTowardTheBackground) {
  CPalId palette;
  BuildTestPalette(palette);
  const std::array<uint8_t, 256> dim = DimmedIndices(palette, 255);
  const std::pair<int, int> cases[] = {{1, 2}, {4, 5}, {0, 3}, {255, 255}};
  for (auto [from, to] : cases) EXPECT_EQ(dim[size_t(from)], to) << from;
}

// Tiles of 8 pixels, a view of 32 x 8. Listed first but highest in z: the front plane.
TEST(PlaneStackDraw, OtherPlanesDimmedInZOrderAtTheirParallax) {
  CPalId palette;
  BuildTestPalette(palette);
  CWorld world;
  world.SetViewRect(CRect{0, 0, 31, 7});
  CPlane* front = world.AddPlane("Front", 10, 1, 8, 8);
  CPlane* back = world.AddPlane("Back", 10, 1, 8, 8);
  CPlane* current = world.AddPlane("Current", 10, 1, 8, 8);
  ASSERT_TRUE(front && back && current);
  front->m_z = 200;
  back->m_z = 0;
  current->m_z = 100;
  back->m_movementX = 50;
  front->m_movementX = current->m_movementX = 100;
  back->m_fillColour = 1;
  front->m_fillColour = 4;
  current->m_fillColour = 3;
  for (int32_t c = 0; c < 10; ++c) {
    front->SetTile(c, 0, c == 3 || c == 5 ? kColourTile : kEmptyTile);
    back->SetTile(c, 0, c == 1 ? kColourTile : kEmptyTile);
    current->SetTile(c, 0, c >= 4 ? kColourTile : kEmptyTile);
  }
  current->m_viewOriginX = 16;
  current->UpdateVisible();
  front->m_viewOriginX = back->m_viewOriginX = 99;

  CDibG surface;
  ASSERT_TRUE(surface.Create(32, 8, &palette));
  surface.Fill(255);
  int currentDrawn = 0;
  DrawPlaneStack(world, *current, surface, palette, nullptr, 255, [&] {
    ++currentDrawn;
    current->Draw(surface);
  });
  EXPECT_EQ(currentDrawn, 1);
  // The back plane scrolled half as far shows its cell 1 first; the current plane's empty
  // cells let it through; the front plane lies over both.
  const std::pair<int32_t, uint8_t> expected[] = {{0, 2}, {7, 2}, {8, 5}, {15, 5}, {16, 3}, {23, 3}, {24, 5}, {31, 5}};
  for (auto [x, index] : expected) EXPECT_EQ(surface.GetPixel(x, 4), index) << x;
  EXPECT_EQ(front->m_viewOriginX, 99);
  EXPECT_EQ(back->m_viewOriginX, 99);
  EXPECT_EQ(current->m_viewOriginX, 16);

  // A plane marked to show no images is left out.
  back->m_flags |= kPlaneFlagNoImages;
  surface.Fill(255);
  DrawPlaneStack(world, *current, surface, palette, nullptr, 255, [&] { current->Draw(surface); });
  EXPECT_EQ(surface.GetPixel(0, 4), 255);
}

}  // namespace
}  // namespace vyr
