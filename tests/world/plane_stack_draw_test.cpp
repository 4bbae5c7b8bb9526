// Tests of the all-planes view: parallax scrolls, the RGB blend of dimmed planes, z order around the current plane, endless planes repeated.
#include <gtest/gtest.h>

#include <algorithm>
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

// Black everywhere but a brown, a grey and an orange: the grey is the nearest entry to the
// brown blended halfway toward white, so a nearest-entry dimming would turn it grey.
void BuildTestPalette(CPalId& palette) {
  std::array<uint8_t, 768> rgb{};
  auto set = [&rgb](int index, uint8_t r, uint8_t g, uint8_t b) {
    rgb[size_t(index) * 3] = r, rgb[size_t(index) * 3 + 1] = g, rgb[size_t(index) * 3 + 2] = b;
  };
  set(1, 150, 90, 40);
  set(2, 190, 180, 170);
  set(3, 255, 140, 0);
  set(4, 0, 0, 200);
  set(255, 255, 255, 255);
  EXPECT_TRUE(palette.BuildFromRgb(ByteSpan(rgb.data(), rgb.size()), false));
}

// A dimmed pixel is its colour and the background's, halved per channel, whatever the palette holds.
TEST(PlaneStackDraw, DimmedPixelsAreARealBlendTowardTheBackground) {
  CPalId palette;
  BuildTestPalette(palette);
  const uint8_t pixels[4] = {1, 1, 3, 255};
  const uint8_t mask[4] = {1, 0, 1, 1};
  uint32_t out[4] = {};
  BlendToRgb(pixels, 4, mask, 4, 1, PaletteColours(palette), BlendedColours(palette, 255), out, 4);
  const uint32_t expected[4] = {0xFFCAAC93, 0xFF965A28, 0xFFFFC57F, 0xFFFFFFFF};
  for (size_t i = 0; i < 4; ++i) {
    for (int shift : {0, 8, 16})
      EXPECT_NEAR(int(out[i] >> shift & 0xFF), int(expected[i] >> shift & 0xFF), 1) << i << " at " << shift;
  }
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

  CDibG surface;
  ASSERT_TRUE(surface.Create(32, 8, &palette));
  ViewDrawState state;
  ViewScene scene{&world, current, nullptr, 16, 0, true, false};
  RenderViewScene(scene, surface, state);
  // The back plane scrolled half as far shows its cell 1 first; the current plane's empty
  // cells let it through; the front plane lies over both.
  struct Expected {
    int32_t x;
    uint8_t index, dimmed;
  };
  const Expected expected[] = {{0, 1, 1}, {7, 1, 1}, {8, 4, 1}, {15, 4, 1}, {16, 3, 0}, {23, 3, 0}, {24, 4, 1}, {31, 4, 1}};
  ASSERT_EQ(state.mask.size(), 32u * 8u);
  for (const Expected& e : expected) {
    EXPECT_EQ(surface.GetPixel(e.x, 4), e.index) << e.x;
    EXPECT_EQ(state.mask[4 * 32 + size_t(e.x)], e.dimmed) << e.x;
  }

  // A plane marked to show no images is left out.
  back->m_flags |= kPlaneFlagNoImages;
  RenderViewScene(scene, surface, state);
  EXPECT_EQ(surface.GetPixel(0, 4), 255);
}

// An endless plane repeats across the whole view at its parallax scroll, at 1:1 and reduced.
TEST(PlaneStackDraw, EndlessPlanesRepeatAcrossTheView) {
  CPalId palette;
  BuildTestPalette(palette);
  CWorld world;
  world.SetViewRect(CRect{0, 0, 63, 7});
  CPlane* back = world.AddPlane("Back", 2, 1, 8, 8);
  CPlane* current = world.AddPlane("Current", 20, 1, 8, 8);
  ASSERT_TRUE(back && current);
  back->m_movementX = 50;
  current->m_movementX = 100;
  back->m_z = -1;
  back->m_fillColour = 1;
  back->SetTile(0, 0, kColourTile);
  back->SetTile(1, 0, kEmptyTile);
  struct Case {
    int32_t divisor, scroll;
    bool endless;
    std::vector<int32_t> filled;  // first pixels of the filled runs of 8 / divisor
  };
  // Scroll 20 at half speed: the back plane starts 10 pixels in, its cell 0 then every 16.
  const Case cases[] = {{1, 20, true, {-10, 6, 22, 38, 54}},
                        {1, 20, false, {-10}},
                        {2, 24, true, {-6, 2, 10, 18, 26}},
                        {1, -40, true, {4, 20, 36, 52}}};
  for (const Case& c : cases) {
    back->m_flags = c.endless ? kPlaneFlagEndlessX : 0;
    CDibG surface;
    ASSERT_TRUE(surface.Create(64 / c.divisor, 8, &palette));
    ViewDrawState state;
    state.divisor = c.divisor;
    RenderViewScene(ViewScene{&world, current, nullptr, c.scroll, 0, true, false}, surface, state);
    const int32_t run = 8 / c.divisor;
    for (int32_t x = 0; x < surface.Width(); ++x) {
      const bool filled = std::any_of(c.filled.begin(), c.filled.end(),
                                      [&](int32_t first) { return x >= first && x < first + run; });
      EXPECT_EQ(surface.GetPixel(x, 3), filled ? 1 : 255) << "d " << c.divisor << " scroll " << c.scroll << " x " << x;
    }
  }
}

}  // namespace
}  // namespace vyr
