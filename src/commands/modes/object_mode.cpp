// Object mode's selection frame around the selected object.
#include "commands/modes/object_mode.h"

#include <algorithm>

#include "commands/world_view_model.h"
#include "world/view_port.h"

namespace vyr {

int ObjectMode::Id() const { return kObjectMode; }

bool ObjectMode::HasCursor() const { return m_view.Document() && m_view.Document()->SelectedObject().has_value(); }

std::vector<CRect> ObjectMode::CursorFrames() const {
  if (!HasCursor()) return {};
  ViewObjectBox box = *m_view.Document()->SelectedObject();
  int32_t a = box.x - m_view.ScrollX() - (box.width >> 1) + box.offsetX;
  int32_t b = box.y - m_view.ScrollY() - (box.height >> 1) + box.offsetY;
  CRect outer = m_view.GridOn() ? CRect{a + 1, b + 1, a + box.width, b + box.height}
                                : CRect{a, b, a + box.width + 1, b + box.height + 1};
  return NestedFrames(outer, std::min(box.width / 8, 16));
}

}  // namespace vyr
