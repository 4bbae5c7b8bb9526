// Field limits of the plane dialogs and the storing of the values both dialogs set.
#include "commands/planes/plane_dialog.h"

#include "platform/interaction_port.h"
#include "platform/message_format.h"
#include "platform/windows1250.h"
#include "res/messages.h"
#include "world/plane.h"
#include "world/world.h"
#include "world/world_doc.h"

namespace vyr {

std::string PlaneSizeProblem(int32_t width, int32_t height, int32_t tileWidth, int32_t tileHeight) {
  if (PlaneSizesFit(width, height, tileWidth, tileHeight)) return {};
  return "A plane of " + std::to_string(width) + " x " + std::to_string(height) + " tiles of " +
         std::to_string(tileWidth) + " x " + std::to_string(tileHeight) + " pixels is too large: a plane holds at most " +
         std::to_string(kMaxPlaneCells) + " tiles and 2147483647 pixels a side. Please enter smaller sizes.";
}

std::vector<DialogField> CPlaneDialog::Fields() {
  return {
      DialogField::Text(kNameControl, "Nazwa:", m_name, kPlaneNameMax),
      DialogField::Number(kTileWidthControl, "Dł:", m_tileWidth, 1),
      DialogField::Number(kTileHeightControl, "Wys:", m_tileHeight, 1),
      DialogField::Number(kWidthControl, "Długość:", m_width, 1),
      DialogField::Number(kHeightControl, "Wysokość:", m_height, 1),
      DialogField::Number(kMovementXControl, "X %:", m_movementX),
      DialogField::Number(kMovementYControl, "Y %:", m_movementY),
      DialogField::Number(kColourControl, "Kolor:", m_colour),
      DialogField::Number(kZControl, "Z:", m_z),
  };
}

int32_t CPlaneDialog::Number(const std::string& text) { return ReadDialogInt(text).value_or(0); }

bool CPlaneDialog::ObjectsMayLoseFlag(IInteractionPort& port, const CPlane* plane) {
  const CWorld* world = m_doc.World();
  for (int32_t i = 0; world && i < world->PlaneCount(); ++i) {
    const CPlane& holder = *world->Plane(i);
    const int64_t count = int64_t(holder.ObjectCount());
    if (!(holder.m_flags & kPlaneFlagObjects) || count == 0 || (&holder == plane) == m_objects) continue;
    const std::string question =
        FormatMessage(CountForm(res::text::kObjectsFlagLost, count), {Windows1250ToUtf8(holder.Name()), count});
    if (port.ShowMessage(question, MessageIcon::Warning, MessageButtons::YesNoDefaultNo) != Answer::Yes) {
      SetFocusControl(kObjectsControl);
      return false;
    }
  }
  return true;
}

void CPlaneDialog::StoreValues(CPlane& plane, int32_t oldFlags) {
  plane.m_movementX = Number(m_movementX);
  plane.m_movementY = Number(m_movementY);
  plane.m_fillColour = Number(m_colour);
  int32_t flags = (oldFlags & ~kPlaneDialogFlags) | (m_noImages ? kPlaneFlagNoImages : 0) |
                  (m_endlessX ? kPlaneFlagEndlessX : 0) | (m_endlessY ? kPlaneFlagEndlessY : 0) |
                  (m_autoSize ? kPlaneFlagAutoSize : 0);
  CWorld& world = *m_doc.World();
  if (m_objects) {
    world.ClearObjectPlane();
    flags |= kPlaneFlagObjects;
    world.SetObjectPlane(world.IndexOf(&plane));
  }
  plane.m_flags = flags;
  plane.m_z = Number(m_z);
}

}  // namespace vyr
