// The "Warstwy w świecie" dialog: selecting, removing and moving planes of the stack.
#include "commands/planes/planes_dialog.h"

#include "commands/planes/move_plane_dialog.h"
#include "platform/message_format.h"
#include "res/messages.h"
#include "res/resources.h"
#include "world/plane.h"
#include "world/world.h"
#include "world/world_doc.h"

namespace vyr {

namespace {

constexpr uint32_t kStringCannotRemove = 130;  // "Nie można usunąć tego planu."
constexpr uint32_t kStringCannotMove = 131;    // "Nie można przesunąć tego planu."

bool HoldsObject(const CPlane& plane, const CGameObject* object) {
  if (!object) return false;
  for (const auto& held : plane.Objects())
    if (held.get() == object) return true;
  return false;
}

}  // namespace

void CPlanesDialog::OnInitDialog() {
  Fill();
  const CWorld* world = m_doc.World();
  m_selected = world && m_doc.CurrentPlane() ? world->IndexOf(m_doc.CurrentPlane()) : -1;
}

void CPlanesDialog::Fill() {
  m_names.clear();
  const CWorld* world = m_doc.World();
  if (!world) return;
  for (int32_t i = 0; i < world->PlaneCount(); ++i) m_names.push_back(world->Plane(i)->Name());
  if (m_selected >= int(m_names.size())) m_selected = -1;
}

void CPlanesDialog::OnControlEvent(int control, ControlEvent event, IInteractionPort& port) {
  if (control == kListControl && event == ControlEvent::DoubleClicked) {
    if (m_selected < 0) return;
    SelectChosen();
    EndDialog(DialogResult::Ok);
  } else if (event == ControlEvent::Clicked && control == kSelectControl) {
    SelectChosen();
  } else if (event == ControlEvent::Clicked && control == kRemoveControl) {
    RemoveChosen(port);
  } else if (event == ControlEvent::Clicked && control == kMoveControl) {
    MoveChosen(port);
  }
}

std::string CPlanesDialog::SelectedName() const {
  return m_selected >= 0 && m_selected < int(m_names.size()) ? m_names[size_t(m_selected)] : std::string();
}

void CPlanesDialog::SelectChosen() {
  if (m_selected < 0 || !m_doc.World()) return;
  if (CPlane* plane = m_doc.World()->Plane(m_selected)) m_doc.SelectPlane(plane);
}

void CPlanesDialog::RemoveChosen(IInteractionPort& port) {
  CWorld* world = m_doc.World();
  if (m_selected < 0 || !world) return;
  if (!port.AskYesNo(FormatMessage(res::text::kRemovePlane, {SelectedName()}))) return;
  CPlane* plane = world->Plane(m_selected);
  const bool wasCurrent = plane && plane == m_doc.CurrentPlane();
  // The document must not point into the plane once it is gone.
  if (plane && HoldsObject(*plane, m_doc.SelectedObject())) m_doc.SetSelectedObject(nullptr);
  if (wasCurrent) m_doc.SelectPlane(nullptr);
  if (!m_doc.RemovePlane(m_selected)) {
    port.Message(res::LoadString(kStringCannotRemove), MessageIcon::Warning);
    return;
  }
  if (wasCurrent) m_doc.SelectPlane(world->PlaneCount() > 0 ? world->Plane(0) : nullptr);
  m_selected = -1;
  Fill();
  if (m_names.empty()) {
    EndDialog(DialogResult::Ok);
    return;
  }
  ReloadFields();
}

void CPlanesDialog::MoveChosen(IInteractionPort& port) {
  CWorld* world = m_doc.World();
  if (m_selected < 0 || !world) return;
  CMovePlaneDialog move(SelectedName(), m_selected);
  if (port.RunDialog(move) != DialogResult::Ok) return;
  if (!world->MovePlane(m_selected, move.m_target)) {
    port.Message(std::string(res::LoadString(kStringCannotMove)) + "\n\n" +
                     FormatMessage(res::text::kMovePlaneRange, {world->PlaneCount() - 1}),
                 MessageIcon::Warning);
    return;
  }
  m_selected = move.m_target;
  Fill();
  ReloadFields();
}

bool RunPlanesDialog(CWorldDoc& doc) {
  CPlanesDialog dialog(doc);
  if (doc.Interaction().RunDialog(dialog) != DialogResult::Ok) return false;
  doc.ValidateCurrentTile();
  return true;
}

}  // namespace vyr
