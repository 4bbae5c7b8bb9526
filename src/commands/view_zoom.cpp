// Zoom steps and the window <-> view pixel mapping.
#include "commands/view_zoom.h"

#include <algorithm>

#include "platform/saturate.h"

namespace vyr {

int32_t NextZoom(int32_t percent, int direction) {
  if (direction > 0) {
    for (const ZoomStep& step : kZoomStepRatios)
      if (step.percent > percent) return step.percent;
    return kZoomStepRatios.back().percent;
  }
  for (auto it = kZoomStepRatios.rbegin(); it != kZoomStepRatios.rend(); ++it)
    if (it->percent < percent) return it->percent;
  return kZoomStepRatios.front().percent;
}

int32_t ValidZoom(int32_t percent) {
  return std::any_of(kZoomStepRatios.begin(), kZoomStepRatios.end(),
                     [percent](const ZoomStep& step) { return step.percent == percent; })
             ? percent
             : kNoZoom;
}

int32_t FittingZoom(int32_t planeWidth, int32_t planeHeight, int32_t windowWidth, int32_t windowHeight) {
  for (auto it = kZoomStepRatios.rbegin(); it != kZoomStepRatios.rend(); ++it) {
    const ViewZoom zoom(it->percent);
    if (zoom.ViewExtent(windowWidth) >= planeWidth && zoom.ViewExtent(windowHeight) >= planeHeight) return it->percent;
  }
  return kZoomStepRatios.front().percent;
}

ViewZoom::ViewZoom(int32_t percent) {
  const int32_t valid = ValidZoom(percent);
  m_step = *std::find_if(kZoomStepRatios.begin(), kZoomStepRatios.end(),
                         [valid](const ZoomStep& step) { return step.percent == valid; });
}

std::string ViewZoom::Label() const {
  return m_step.percent == 12 ? std::string("12.5%") : std::to_string(m_step.percent) + "%";
}

int32_t ViewZoom::ToView(int32_t window) const {
  return Saturate(FloorDiv(int64_t(window) * m_step.denominator, m_step.numerator));
}

int32_t ViewZoom::ToWindow(int32_t view) const {
  return Saturate(FloorDiv(int64_t(view) * m_step.numerator, m_step.denominator));
}

CRect ViewZoom::ToWindow(const CRect& view) const {
  return {ToWindow(view.left), ToWindow(view.top), ToWindow(view.right), ToWindow(view.bottom)};
}

int32_t ViewZoom::ViewExtent(int32_t windowExtent) const {
  return Saturate(-FloorDiv(-int64_t(windowExtent) * m_step.denominator, m_step.numerator));
}

int32_t AnchoredScroll(int32_t scroll, int32_t anchor, ViewZoom from, ViewZoom to) {
  const int64_t under = int64_t(scroll) + from.ToView(anchor);
  return Saturate(under - to.ToView(anchor));
}

}  // namespace vyr
