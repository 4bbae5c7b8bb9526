// The frame drawing shared by the edit modes' cursors.
#include "commands/modes/edit_mode.h"

namespace vyr {

std::vector<CRect> NestedFrames(CRect outer, int32_t count) {
  std::vector<CRect> frames;
  for (int32_t i = 0; i < count; ++i) {
    if (outer.IsEmpty()) break;
    frames.push_back(outer);
    outer = {outer.left + 1, outer.top + 1, outer.right - 1, outer.bottom - 1};
  }
  return frames;
}

}  // namespace vyr
