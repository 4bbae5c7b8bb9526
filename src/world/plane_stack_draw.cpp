// The view's render at any zoom, all planes around the current one, and the RGB blend of the dimmed ones.
#include "world/plane_stack_draw.h"

#include <algorithm>
#include <cstring>

#include "platform/saturate.h"
#include "resources/dib.h"
#include "resources/palette.h"
#include "world/plane.h"
#include "world/world.h"

namespace vyr {

int32_t ParallaxScroll(int32_t scroll, int32_t currentMovement, int32_t movement) {
  const int64_t divisor = currentMovement == 0 ? 100 : currentMovement;
  return Saturate(FloorDiv(int64_t(scroll) * movement, divisor));
}

namespace {

constexpr uint8_t kBackground = 255;

// One plane at its scroll into the area, which starts at surface pixel (areaX, areaY).
void DrawPlaneAt(CPlane& plane, const ViewScene& scene, int32_t d, ReducedImageCache& cache,
                 const ReducedTarget& target, int32_t areaX, int32_t areaY, bool drawObjects, bool repeat) {
  const CPlane& current = *scene.current;
  const bool isCurrent = &plane == &current;
  const int32_t originX = isCurrent ? scene.scrollX : ParallaxScroll(scene.scrollX, current.m_movementX, plane.m_movementX);
  const int32_t originY = isCurrent ? scene.scrollY : ParallaxScroll(scene.scrollY, current.m_movementY, plane.m_movementY);
  const int64_t left = FloorDiv(originX, d) + areaX, top = FloorDiv(originY, d) + areaY;
  DrawReducedCells(plane, left, top, d, cache, target, repeat && (plane.m_flags & kPlaneFlagEndlessX),
                   repeat && (plane.m_flags & kPlaneFlagEndlessY));
  if (drawObjects) DrawReducedObjects(plane, scene.imageSets, left, top, d, cache, target);
}

}  // namespace

void RenderViewScene(const ViewScene& scene, CDibG& surface, ViewDrawState& state, const CRect* area) {
  if (!surface.IsCreated() || !scene.current) return;
  const CRect whole{0, 0, surface.Width(), surface.Height()};
  CRect clip = area ? CRect{std::max(area->left, 0), std::max(area->top, 0), std::min(area->right, whole.right),
                            std::min(area->bottom, whole.bottom)}
                    : whole;
  if (clip.right <= clip.left || clip.bottom <= clip.top) return;
  const int32_t d = std::max(1, state.divisor);
  state.images.Prepare(d);
  const bool allPlanes = scene.allPlanes && scene.world;
  const size_t maskBytes = size_t(surface.Width()) * size_t(surface.Height());
  if (!allPlanes) state.mask.clear();
  else if (state.mask.size() != maskBytes) state.mask.assign(maskBytes, 1);

  const ptrdiff_t pitch = surface.Height() > 1 ? surface.RowPtr(1) - surface.RowPtr(0) : surface.Pitch();
  ReducedTarget target;
  target.pixels = surface.RowPtr(clip.top) + clip.left;
  target.pitch = pitch;
  target.width = clip.Width();
  target.height = clip.Height();
  for (int32_t y = 0; y < target.height; ++y) std::memset(target.pixels + y * pitch, kBackground, size_t(target.width));
  if (allPlanes) {
    target.mask = state.mask.data() + size_t(clip.top) * size_t(surface.Width()) + size_t(clip.left);
    target.maskPitch = surface.Width();
    for (int32_t y = 0; y < target.height; ++y) std::memset(target.mask + y * target.maskPitch, 1, size_t(target.width));
  }

  if (!allPlanes) {
    if (d == 1 && !area) {
      // The whole surface at 1:1: the plane's own drawing of its visible cells.
      scene.current->Draw(surface);
      if (scene.currentObjects) scene.current->DrawObjects(surface, scene.imageSets, scene.scrollX, scene.scrollY);
      return;
    }
    DrawPlaneAt(*scene.current, scene, d, state.images, target, clip.left, clip.top, scene.currentObjects, false);
    return;
  }
  std::vector<CPlane*> order;
  for (int32_t i = 0; i < scene.world->PlaneCount(); ++i)
    if (CPlane* plane = scene.world->Plane(i)) order.push_back(plane);
  std::stable_sort(order.begin(), order.end(), [](const CPlane* a, const CPlane* b) { return a->m_z < b->m_z; });
  for (CPlane* plane : order) {
    const bool isCurrent = plane == scene.current;
    if (!isCurrent && (plane->m_flags & kPlaneFlagNoImages)) continue;
    target.tag = isCurrent ? 0 : 1;
    DrawPlaneAt(*plane, scene, d, state.images, target, clip.left, clip.top,
                isCurrent ? scene.currentObjects : plane->ObjectCount() > 0, !isCurrent);
  }
}

std::array<uint32_t, 256> PaletteColours(const CPalId& palette) {
  std::array<uint32_t, 256> colours{};
  for (size_t i = 0; i < colours.size(); ++i) {
    const PaletteEntry& e = palette.Entry(i);
    colours[i] = 0xFF000000u | uint32_t(e.red) << 16 | uint32_t(e.green) << 8 | uint32_t(e.blue);
  }
  return colours;
}

std::array<uint32_t, 256> BlendedColours(const CPalId& palette, uint8_t background) {
  const PaletteEntry& back = palette.Entry(background);
  std::array<uint32_t, 256> colours{};
  for (size_t i = 0; i < colours.size(); ++i) {
    const PaletteEntry& e = palette.Entry(i);
    const uint32_t r = (uint32_t(e.red) + back.red) / 2, g = (uint32_t(e.green) + back.green) / 2,
                   b = (uint32_t(e.blue) + back.blue) / 2;
    colours[i] = 0xFF000000u | r << 16 | g << 8 | b;
  }
  return colours;
}

void BlendToRgb(const uint8_t* pixels, ptrdiff_t pitch, const uint8_t* mask, int32_t width, int32_t height,
                const std::array<uint32_t, 256>& plain, const std::array<uint32_t, 256>& dimmed, uint32_t* out,
                ptrdiff_t outPitch) {
  for (int32_t y = 0; y < height; ++y) {
    const uint8_t* row = pixels + y * pitch;
    uint32_t* to = out + y * outPitch;
    if (!mask) {
      for (int32_t x = 0; x < width; ++x) to[x] = plain[row[x]];
      continue;
    }
    const uint8_t* dim = mask + ptrdiff_t(y) * width;
    for (int32_t x = 0; x < width; ++x) to[x] = dim[x] ? dimmed[row[x]] : plain[row[x]];
  }
}

}  // namespace vyr
