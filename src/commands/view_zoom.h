// Zoom steps and the mapping between window pixels and view (world) pixels at a zoom.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/rect.h"

namespace vyr {

// One step: its percent as kept in the profile (12 stands for 12.5) and its exact ratio.
struct ZoomStep {
  int32_t percent;
  int32_t numerator;
  int32_t denominator;
};

inline constexpr std::array<ZoomStep, 11> kZoomStepRatios = {{{12, 1, 8},
                                                               {25, 1, 4},
                                                               {33, 1, 3},
                                                               {50, 1, 2},
                                                               {67, 2, 3},
                                                               {100, 1, 1},
                                                               {150, 3, 2},
                                                               {200, 2, 1},
                                                               {300, 3, 1},
                                                               {400, 4, 1},
                                                               {800, 8, 1}}};
inline constexpr int32_t kNoZoom = 100;

// The step after `percent` (direction > 0) or before it (direction < 0); the end steps
// stay where they are.
int32_t NextZoom(int32_t percent, int direction);
// `percent` when it is a step, else 100: a stored value nobody chose is not trusted.
int32_t ValidZoom(int32_t percent);
// The largest step that shows `planeExtent` view pixels within `windowExtent` window
// pixels on both axes (the smallest step when none does).
int32_t FittingZoom(int32_t planeWidth, int32_t planeHeight, int32_t windowWidth, int32_t windowHeight);

// One zoom: a view pixel covers numerator / denominator window pixels on each axis.
class ViewZoom {
 public:
  explicit ViewZoom(int32_t percent = kNoZoom);
  int32_t Percent() const { return m_step.percent; }
  // "12.5%", "33%", ...
  std::string Label() const;
  // Below 100 % at 1/d: d, and the view draws its planes reduced by d straight into a
  // surface of window pixels; else 1 (drawn at 1:1 and scaled in the blit).
  int32_t Divisor() const { return m_step.numerator == 1 ? m_step.denominator : 1; }
  // The view pixel shown at a window pixel (negative positions round down too).
  int32_t ToView(int32_t window) const;
  // The window pixel where a view pixel's top-left edge falls.
  int32_t ToWindow(int32_t view) const;
  CRect ToWindow(const CRect& view) const;
  // How many view pixels a window extent shows, a partly shown one counted.
  int32_t ViewExtent(int32_t windowExtent) const;
  friend bool operator==(const ViewZoom& a, const ViewZoom& b) { return a.Percent() == b.Percent(); }

 private:
  ZoomStep m_step;
};

// The scroll position that keeps the view pixel under window position `anchor` under it
// when the zoom changes from `from` to `to`.
int32_t AnchoredScroll(int32_t scroll, int32_t anchor, ViewZoom from, ViewZoom to);

}  // namespace vyr
