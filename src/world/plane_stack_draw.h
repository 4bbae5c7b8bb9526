// The other planes of a world drawn dimmed beneath and above the current one, each scrolled by its movement.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

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

// Each palette index mapped to the index nearest to its colour blended halfway toward the
// colour of `background`.
std::array<uint8_t, 256> DimmedIndices(const CPalId& palette, uint8_t background);

// With the surface filled with `background`: the planes beneath `current` in z order (list
// order among equal z), dimmed; then `drawCurrent`; then the planes above, dimmed, over it.
// Planes marked to show no images are left out. Each plane is drawn at the parallax scroll
// of the current plane's view origin, its objects included.
void DrawPlaneStack(CWorld& world, const CPlane& current, CDibG& surface, const CPalId& palette,
                    const CImageSetTable* imageSets, uint8_t background, const std::function<void()>& drawCurrent);

}  // namespace vyr
