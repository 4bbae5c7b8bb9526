// The view's picture: the current plane alone or with every other plane dimmed around it, at 1:1 or reduced, and its RGB blend.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/rect.h"
#include "world/reduced_draw.h"

namespace vyr {

class CDibG;
class CImageSetTable;
class CPalId;
class CPlane;
class CWorld;

// The scroll of a plane moving `movement` percent while the current plane, moving
// `currentMovement` percent, is scrolled to `scroll`: both follow one camera. A current
// plane that does not move is taken as moving with the camera.
int32_t ParallaxScroll(int32_t scroll, int32_t currentMovement, int32_t movement);

// What a view keeps between its renders: the divisor it draws at, the reduced images, and
// with all planes shown a mask the size of the surface, 1 where a pixel is dimmed.
struct ViewDrawState {
  int32_t divisor = 1;
  ReducedImageCache images;
  std::vector<uint8_t> mask;
};

// What one render draws.
struct ViewScene {
  CWorld* world = nullptr;
  CPlane* current = nullptr;
  const CImageSetTable* imageSets = nullptr;
  int32_t scrollX = 0;  // the current plane's view origin, in view pixels
  int32_t scrollY = 0;
  bool allPlanes = false;
  bool currentObjects = false;
};

// Renders `area` of the surface (all of it when null): filled with index 255, then the
// current plane (and its objects when asked), or with all planes every plane not marked to
// show no images in z order (list order among equal z), each at its parallax scroll with
// its objects, endless planes repeated, all but the current one marked dimmed in the mask.
// At divisor 1 the surface holds view pixels; above it, view pixels reduced by the divisor.
void RenderViewScene(const ViewScene& scene, CDibG& surface, ViewDrawState& state, const CRect* area = nullptr);

// Palette colours as 0xAARRGGBB, opaque: as they are, and blended halfway toward the
// background's colour, each channel (colour + background) / 2.
std::array<uint32_t, 256> PaletteColours(const CPalId& palette);
std::array<uint32_t, 256> BlendedColours(const CPalId& palette, uint8_t background);

// Rows of 8-bit pixels into 32-bit colours: through `dimmed` where the mask holds 1, else
// through `plain` (no mask: every pixel plain).
void BlendToRgb(const uint8_t* pixels, ptrdiff_t pitch, const uint8_t* mask, int32_t width, int32_t height,
                const std::array<uint32_t, 256>& plain, const std::array<uint32_t, 256>& dimmed, uint32_t* out,
                ptrdiff_t outPitch);

}  // namespace vyr
