// Zoom steps and the window <-> view pixel mapping.
#include "commands/view_zoom.h"

#include <algorithm>

#include "platform/saturate.h"

namespace vyr {

int32_t NextZoom(int32_t percent, int direction) {
  if (direction > 0) {
    for (int32_t step : kZoomSteps)
      if (step > percent) return step;
    return kZoomSteps.back();
  }
  for (auto it = kZoomSteps.rbegin(); it != kZoomSteps.rend(); ++it)
    if (*it < percent) return *it;
  return kZoomSteps.front();
}

int32_t ValidZoom(int32_t percent) {
  return std::find(kZoomSteps.begin(), kZoomSteps.end(), percent) != kZoomSteps.end() ? percent : kNoZoom;
}

int32_t ViewZoom::ToView(int32_t window) const { return Saturate(FloorDiv(int64_t(window) * 100, m_percent)); }

int32_t ViewZoom::ToWindow(int32_t view) const { return Saturate(FloorDiv(int64_t(view) * m_percent, 100)); }

CRect ViewZoom::ToWindow(const CRect& view) const {
  return {ToWindow(view.left), ToWindow(view.top), ToWindow(view.right), ToWindow(view.bottom)};
}

int32_t ViewZoom::ViewExtent(int32_t windowExtent) const {
  return Saturate(-FloorDiv(-int64_t(windowExtent) * 100, m_percent));
}

int32_t AnchoredScroll(int32_t scroll, int32_t anchor, ViewZoom from, ViewZoom to) {
  const int64_t under = int64_t(scroll) + from.ToView(anchor);
  return Saturate(under - to.ToView(anchor));
}

}  // namespace vyr
