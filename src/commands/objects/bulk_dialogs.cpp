// The object bulk dialogs' OK actions.
#include "commands/objects/bulk_dialogs.h"

#include "commands/objects/object_edits.h"
#include "platform/interaction_port.h"
#include "platform/message_format.h"
#include "res/messages.h"
#include "world/game_object.h"
#include "world/plane.h"
#include "world/world_doc.h"

namespace vyr {

namespace {

// The name fields take at most this many bytes; the logic of "Zmiana Z" a little more.
constexpr size_t kNameBytes = 249;
constexpr size_t kZLogicBytes = 253;

// The plane a bulk dialog acts on when it holds objects; null otherwise.
CPlane* PlaneWithObjects(const CWorldDoc& doc) {
  CPlane* plane = ObjectsPlane(doc);
  return plane && plane->ObjectCount() > 0 ? plane : nullptr;
}

// Says in the status bar how many objects changed.
void TellChanged(IInteractionPort& port, int count) {
  port.ShowStatus(count > 0 ? FormatMessage(CountForm(res::text::kObjectsChanged, count), {count})
                            : std::string(res::text::kNoObjectChanged));
}

}  // namespace

CScaleObjectsDialog::CScaleObjectsDialog(CWorldDoc& doc) : m_doc(doc) {
  SetCaption("Zmiana Współrzędnych Objektów");
}

std::vector<DialogField> CScaleObjectsDialog::Fields() {
  return {DialogField::Number(ctl::kScalePercent, "Procent:", m_percent)};
}

bool CScaleObjectsDialog::OnOK(IInteractionPort& port) {
  if (!FieldsFit(port)) return false;
  if (m_percent.find_first_not_of(' ') == std::string::npos) {
    port.Message(res::text::kScaleNoPercent, MessageIcon::Warning);
    SetFocusControl(ctl::kScalePercent);
    return false;
  }
  const int32_t percent = ReadDialogInt(m_percent).value_or(0);
  CPlane* plane = PlaneWithObjects(m_doc);
  if (percent == 100 || percent <= 0 || !plane) return false;
  const int moved = ScalePositions(*plane, percent, m_doc);
  if (moved < 0) {
    port.Message(FormatMessage(res::text::kScaleOutOfRange, {percent}), MessageIcon::Warning);
    SetFocusControl(ctl::kScalePercent);
    return false;
  }
  TellChanged(port, moved);
  return true;
}

CNamePairDialog::CNamePairDialog(CWorldDoc& doc, std::string caption, std::string fromLabel, std::string toLabel)
    : m_doc(doc), m_fromLabel(std::move(fromLabel)), m_toLabel(std::move(toLabel)) {
  SetCaption(std::move(caption));
}

std::vector<DialogField> CNamePairDialog::Fields() {
  return {DialogField::Text(ctl::kChangeFrom, m_fromLabel, m_from, kNameBytes),
          DialogField::Text(ctl::kChangeTo, m_toLabel, m_to, kNameBytes)};
}

bool CNamePairDialog::OnOK(IInteractionPort& port) {
  if (!FieldsFit(port)) return false;
  CPlane* plane = PlaneWithObjects(m_doc);
  if (!plane) return false;
  TellChanged(port, Apply(*plane));
  return true;
}

CChangeLogicDialog::CChangeLogicDialog(CWorldDoc& doc) : CNamePairDialog(doc, "Zmiana Logik", "Zmień:", "Na:") {}

int CChangeLogicDialog::Apply(CPlane& plane) {
  return ReplaceObjectNames(plane, &CGameObject::m_logic, m_from, &CGameObject::m_logic, m_to);
}

CChangeImageSetDialog::CChangeImageSetDialog(CWorldDoc& doc)
    : CNamePairDialog(doc, "Zmiana ImageSetów", "Zmień:", "Na:") {}

int CChangeImageSetDialog::Apply(CPlane& plane) {
  const int changed = ReplaceObjectNames(plane, &CGameObject::m_imageSet, m_from, &CGameObject::m_imageSet, m_to);
  if (changed > 0) RefreshObjectImages(plane, m_doc);
  return changed;
}

CLogicByImageSetDialog::CLogicByImageSetDialog(CWorldDoc& doc)
    : CNamePairDialog(doc, "Zmiana Obrazków Logik", "ImageSet:", "Logika:") {}

int CLogicByImageSetDialog::Apply(CPlane& plane) {
  return ReplaceObjectNames(plane, &CGameObject::m_imageSet, m_from, &CGameObject::m_logic, m_to);
}

CChangeZDialog::CChangeZDialog(CWorldDoc& doc) : m_doc(doc) { SetCaption("Zmiana Z"); }

std::vector<DialogField> CChangeZDialog::Fields() {
  return {DialogField::Text(ctl::kChangeZLogic, "Logika:", m_logic, kZLogicBytes),
          DialogField::Number(ctl::kChangeZValue, "Z:", m_z)};
}

bool CChangeZDialog::OnOK(IInteractionPort& port) {
  if (!FieldsFit(port)) return false;
  CPlane* plane = PlaneWithObjects(m_doc);
  if (!plane) return false;
  TellChanged(port, SetZByLogic(*plane, m_logic, ReadDialogInt(m_z).value_or(0)));
  return true;
}

}  // namespace vyr
