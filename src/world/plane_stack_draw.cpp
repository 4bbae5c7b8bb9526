// DrawPlaneStack: the parallax preview of every plane around the current one.
#include "world/plane_stack_draw.h"

#include <algorithm>
#include <vector>

#include "platform/saturate.h"
#include "resources/dib.h"
#include "resources/palette.h"
#include "world/plane.h"
#include "world/world.h"

namespace vyr {

namespace {

// Draws one plane with its objects at the parallax scroll, leaving its own view origin as
// it was (it is the view's only while that plane is current).
void DrawAtParallax(CPlane& plane, const CPlane& current, CDibG& surface, const CImageSetTable* imageSets) {
  const int32_t savedX = plane.m_viewOriginX;
  const int32_t savedY = plane.m_viewOriginY;
  plane.m_viewOriginX = ParallaxScroll(current.m_viewOriginX, current.m_movementX, plane.m_movementX);
  plane.m_viewOriginY = ParallaxScroll(current.m_viewOriginY, current.m_movementY, plane.m_movementY);
  plane.UpdateVisible();
  plane.Draw(surface);
  if (plane.ObjectCount() > 0) plane.DrawObjects(surface, imageSets, plane.m_viewOriginX, plane.m_viewOriginY);
  plane.m_viewOriginX = savedX;
  plane.m_viewOriginY = savedY;
  plane.UpdateVisible();
}

void Remap(CDibG& surface, const std::array<uint8_t, 256>& map) {
  for (int32_t y = 0; y < surface.Height(); ++y) {
    uint8_t* row = surface.RowPtr(y);
    for (int32_t x = 0; x < surface.Width(); ++x) row[x] = map[row[x]];
  }
}

}  // namespace

int32_t ParallaxScroll(int32_t scroll, int32_t currentMovement, int32_t movement) {
  const int64_t divisor = currentMovement == 0 ? 100 : currentMovement;
  return Saturate(FloorDiv(int64_t(scroll) * movement, divisor));
}

std::array<uint8_t, 256> DimmedIndices(const CPalId& palette, uint8_t background) {
  const PaletteEntry& back = palette.Entry(background);
  std::array<uint8_t, 256> map{};
  for (size_t i = 0; i < map.size(); ++i) {
    const PaletteEntry& from = palette.Entry(i);
    const int r = (from.red + back.red) / 2, g = (from.green + back.green) / 2, b = (from.blue + back.blue) / 2;
    int best = INT32_MAX;
    for (size_t j = 0; j < map.size() && best > 0; ++j) {
      const PaletteEntry& to = palette.Entry(j);
      const int dr = to.red - r, dg = to.green - g, db = to.blue - b;
      const int distance = dr * dr + dg * dg + db * db;
      if (distance < best) {
        best = distance;
        map[i] = uint8_t(j);
      }
    }
  }
  return map;
}

void DrawPlaneStack(CWorld& world, const CPlane& current, CDibG& surface, const CPalId& palette,
                    const CImageSetTable* imageSets, uint8_t background, const std::function<void()>& drawCurrent) {
  std::vector<CPlane*> order;
  for (int32_t i = 0; i < world.PlaneCount(); ++i) order.push_back(world.Plane(i));
  std::stable_sort(order.begin(), order.end(), [](const CPlane* a, const CPlane* b) { return a->m_z < b->m_z; });
  const auto at = std::find(order.begin(), order.end(), &current);
  auto shown = [&current](const CPlane* plane) {
    return plane && plane != &current && !(plane->m_flags & kPlaneFlagNoImages);
  };
  // The dimmed mapping searches the palette 256 times: not on renders with nothing to dim.
  if (std::none_of(order.begin(), order.end(), shown)) {
    drawCurrent();
    return;
  }
  const std::array<uint8_t, 256> dim = DimmedIndices(palette, background);

  bool beneath = false;
  for (auto it = order.begin(); it != at; ++it) {
    if (!shown(*it)) continue;
    DrawAtParallax(**it, current, surface, imageSets);
    beneath = true;
  }
  if (beneath) Remap(surface, dim);
  drawCurrent();
  if (at == order.end()) return;

  // What the planes above cover is where two drawings over different fills agree: no
  // colour of theirs is mistaken for a hole.
  std::vector<CPlane*> above;
  for (auto it = std::next(at); it != order.end(); ++it)
    if (shown(*it)) above.push_back(*it);
  if (above.empty()) return;
  CDibG low, high;
  if (!low.Create(surface.Width(), surface.Height(), &palette) || !high.Create(surface.Width(), surface.Height(), &palette))
    return;
  low.Fill(0);
  high.Fill(255);
  for (CPlane* plane : above) {
    DrawAtParallax(*plane, current, low, imageSets);
    DrawAtParallax(*plane, current, high, imageSets);
  }
  for (int32_t y = 0; y < surface.Height(); ++y) {
    uint8_t* target = surface.RowPtr(y);
    const uint8_t* a = low.RowPtr(y);
    const uint8_t* b = high.RowPtr(y);
    for (int32_t x = 0; x < surface.Width(); ++x)
      if (a[x] == b[x]) target[x] = dim[a[x]];
  }
}

}  // namespace vyr
