// Zoom steps and the mapping between window pixels and view (world) pixels at a zoom.
#pragma once

#include <array>
#include <cstdint>

#include "platform/rect.h"

namespace vyr {

inline constexpr std::array<int32_t, 6> kZoomSteps = {25, 50, 100, 200, 300, 400};
inline constexpr int32_t kNoZoom = 100;

// The step after `percent` (direction > 0) or before it (direction < 0); the end steps
// stay where they are.
int32_t NextZoom(int32_t percent, int direction);
// `percent` when it is a step, else 100: a stored value nobody chose is not trusted.
int32_t ValidZoom(int32_t percent);

// One zoom: a view pixel covers percent / 100 window pixels on each axis.
class ViewZoom {
 public:
  explicit ViewZoom(int32_t percent = kNoZoom) : m_percent(ValidZoom(percent)) {}
  int32_t Percent() const { return m_percent; }
  // The view pixel shown at a window pixel (negative positions round down too).
  int32_t ToView(int32_t window) const;
  // The window pixel where a view pixel's top-left edge falls.
  int32_t ToWindow(int32_t view) const;
  CRect ToWindow(const CRect& view) const;
  // How many view pixels a window extent shows, a partly shown one counted.
  int32_t ViewExtent(int32_t windowExtent) const;
  friend bool operator==(const ViewZoom&, const ViewZoom&) = default;

 private:
  int32_t m_percent;
};

// The scroll position that keeps the view pixel under window position `anchor` under it
// when the zoom changes from `from` to `to`.
int32_t AnchoredScroll(int32_t scroll, int32_t anchor, ViewZoom from, ViewZoom to);

}  // namespace vyr
