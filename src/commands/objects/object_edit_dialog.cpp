// "Edycja Objektu" and its sub-dialogs: loading an object's fields, storing them with the auto rules, walking the plane.
#include "commands/objects/object_edit_dialog.h"

#include <algorithm>

#include "commands/objects/shortcut_commands.h"
#include "platform/message_format.h"
#include "res/messages.h"
#include "world/game_object.h"
#include "world/known_name_lists.h"
#include "world/plane.h"
#include "world/view_port.h"
#include "world/world_doc.h"

namespace vyr {

namespace {

int32_t Number(const std::string& text) { return ReadDialogInt(text).value_or(0); }

#define OBJECT_VALUE(member) [](const CGameObject& o) { return int32_t(o.member); }
#define OBJECT_FIELD(member) OBJECT_VALUE(member), [](CGameObject& o, int32_t v) { o.member = v; }

std::vector<std::string> SortedNames(const KnownNameList& list) {
  std::vector<std::string> names = list.Names();
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

// --- number dialogs

CObjectNumbersDialog::CObjectNumbersDialog(int templateId, CGameObject& object, std::vector<ObjectNumber> numbers)
    : m_texts(numbers.size()), m_object(object), m_templateId(templateId), m_numbers(std::move(numbers)) {}

std::vector<DialogField> CObjectNumbersDialog::Fields() {
  std::vector<DialogField> fields;
  for (size_t i = 0; i < m_numbers.size(); ++i)
    fields.push_back(DialogField::Number(m_numbers[i].control, m_numbers[i].label, m_texts[i]));
  return fields;
}

void CObjectNumbersDialog::OnInitDialog() {
  for (size_t i = 0; i < m_numbers.size(); ++i) m_texts[i] = std::to_string(m_numbers[i].get(m_object));
}

bool CObjectNumbersDialog::OnOK(IInteractionPort& port) {
  if (!FieldsFit(port)) return false;
  for (size_t i = 0; i < m_numbers.size(); ++i)
    if (m_numbers[i].stored) m_numbers[i].set(m_object, Number(m_texts[i]));
  return true;
}

std::string& CObjectNumbersDialog::TextOf(int control) {
  for (size_t i = 0; i < m_numbers.size(); ++i)
    if (m_numbers[i].control == control) return m_texts[i];
  return m_texts.front();
}

namespace {

std::vector<ObjectNumber> RectNumbers() {
  static constexpr CRect CGameObject::*kRects[6] = {&CGameObject::m_moveRect,   &CGameObject::m_hitRect,
                                                    &CGameObject::m_attackRect, &CGameObject::m_clipRect,
                                                    &CGameObject::m_userRect1,  &CGameObject::m_userRect2};
  static constexpr int32_t CRect::*kSides[4] = {&CRect::left, &CRect::top, &CRect::right, &CRect::bottom};
  static constexpr const char* kLabels[4] = {"Lewo:", "Góra:", "Prawo:", "Dół:"};
  std::vector<ObjectNumber> numbers;
  for (int r = 0; r < 6; ++r)
    for (int s = 0; s < 4; ++s)
      numbers.push_back({ctl::kObjectRectEdits[r][s], kLabels[s],
                         [rect = kRects[r], side = kSides[s]](const CGameObject& o) { return (o.*rect).*side; },
                         [rect = kRects[r], side = kSides[s]](CGameObject& o, int32_t v) { (o.*rect).*side = v; }});
  return numbers;
}

}  // namespace

CObjectRectsDialog::CObjectRectsDialog(CGameObject& object, const SelectionRange& range)
    : CObjectNumbersDialog(ctl::kObjectRectsDialog, object, RectNumbers()), m_range(range) {}

void CObjectRectsDialog::OnControlEvent(int control, ControlEvent event, IInteractionPort& /*port*/) {
  if (event != ControlEvent::Clicked) return;
  for (int r = 0; r < 6; ++r) {
    const int* edits = ctl::kObjectRectEdits[r];
    if (control == ctl::kObjectRectButtons[r][0]) {
      TextOf(edits[0]) = std::to_string(m_range.xMin);
      TextOf(edits[2]) = std::to_string(m_range.xMax);
    } else if (control == ctl::kObjectRectButtons[r][1]) {
      TextOf(edits[1]) = std::to_string(m_range.yMin);
      TextOf(edits[3]) = std::to_string(m_range.yMax);
    } else {
      continue;
    }
    ReloadFields();
  }
}

std::unique_ptr<CObjectNumbersDialog> MakeObjectPointsDialog(CGameObject& object) {
  const int* id = ctl::kObjectPointEdits;
  return std::make_unique<CObjectNumbersDialog>(
      ctl::kObjectPointsDialog, object,
      std::vector<ObjectNumber>{{id[0], "xMin:", OBJECT_FIELD(m_minX)},     {id[1], "yMin:", OBJECT_FIELD(m_minY)},
                                {id[2], "xMax:", OBJECT_FIELD(m_maxX)},     {id[3], "yMax:", OBJECT_FIELD(m_maxY)},
                                {id[4], "xTweak", OBJECT_FIELD(m_tweakX)},  {id[5], "yTweak", OBJECT_FIELD(m_tweakY)},
                                {id[6], "xRuch:", OBJECT_FIELD(m_moveX)},   {id[7], "yRuch:", OBJECT_FIELD(m_moveY)}});
}

std::unique_ptr<CObjectNumbersDialog> MakeObjectUserDialog(CGameObject& object) {
  static constexpr const char* kLabels[8] = {"User 1:", "User 2:", "User 3:", "User 4:",
                                             "User 5:", "User 6:", "User 7:", "User 8:"};
  std::vector<ObjectNumber> numbers;
  for (size_t i = 0; i < 8; ++i)
    numbers.push_back({ctl::kObjectUserEdits[i], kLabels[i],
                       [i](const CGameObject& o) { return o.m_userValues[i]; },
                       [i](CGameObject& o, int32_t v) { o.m_userValues[i] = v; }});
  return std::make_unique<CObjectNumbersDialog>(ctl::kObjectUserDialog, object, std::move(numbers));
}

std::unique_ptr<CObjectNumbersDialog> MakeObjectOtherDialog(CGameObject& object) {
  const int* id = ctl::kObjectOtherEdits;
  return std::make_unique<CObjectNumbersDialog>(
      ctl::kObjectOtherDialog, object,
      std::vector<ObjectNumber>{{id[0], "Opóźnienie:", OBJECT_FIELD(m_delay)},
                                {id[1], "Szybkość:", OBJECT_FIELD(m_speed)},
                                {id[2], "Długość:", OBJECT_FIELD(m_width)},
                                {id[3], "Wysokość:", OBJECT_FIELD(m_height)},
                                {id[4], "Kierunek:", OBJECT_FIELD(m_direction)},
                                {id[5], "Kier:", OBJECT_FIELD(m_faceDirection), false},
                                {id[6], "Czas:", OBJECT_FIELD(m_optionTime)},
                                {id[7], "Klatka:", OBJECT_FIELD(m_frame)}});
}

// --- flags

const std::vector<CObjectFlagsDialog::Group>& CObjectFlagsDialog::Groups() {
  static const std::vector<Group> groups = [] {
    const int* d = ctl::kObjectDynamicBoxes;
    const int* a = ctl::kObjectAddedBoxes;
    const int* v = ctl::kObjectDrawBoxes;
    std::vector<Group> list = {
        {"Dynamiczne Flagi",
         &CGameObject::m_dynamicFlags,
         {{d[0], "Nie Uderza", kDynamicNoHit}, {d[1], "Aktywny", kDynamicActive}, {d[2], "Bezpieczny", kDynamicSafe},
          {d[3], "Auto Uszkodzenia", kDynamicAutoDamage}}},
        {"Dodane Flagi",
         &CGameObject::m_addedFlags,
         {{a[0], "Trudny", kAddedDifficult}, {a[1], "Ozdoba", kAddedDecoration}, {a[2], "Dużo Detali", kAddedHighDetail},
          {a[3], "Multiplayer", kAddedMultiplayer}, {a[4], "Duża Pamięć", kAddedHighMemory}, {a[5], "Szybki", kAddedFast}}},
        {"Flagi Widoku",
         &CGameObject::m_drawFlags,
         {{v[0], "Niewidzialny", kDrawInvisible}, {v[1], "Lustrzany", kDrawMirror}, {v[2], "Odwrócony", kDrawInvert},
          {v[3], "Migający", kDrawFlash}}},
        {"Flagi User", &CGameObject::m_userFlags, {}},
    };
    static constexpr const char* kUser[12] = {"Flaga 1", "Flaga 2", "Flaga 3", "Flaga 4",  "Flaga 5",  "Flaga 6",
                                              "Flaga 7", "Flaga 8", "Flaga 9", "Flaga 10", "Flaga 11", "Flaga 12"};
    for (int i = 0; i < 12; ++i) list.back().bits.push_back({ctl::kObjectUserBoxes[i], kUser[i], int32_t(1) << i});
    return list;
  }();
  return groups;
}

void CObjectFlagsDialog::OnInitDialog() {
  m_checked.clear();
  for (const Group& group : Groups()) {
    std::vector<bool> boxes;
    for (const ObjectBit& bit : group.bits) boxes.push_back((m_object.*group.word & bit.value) != 0);
    m_checked.push_back(std::move(boxes));
  }
}

bool CObjectFlagsDialog::OnOK(IInteractionPort& /*port*/) {
  const std::vector<Group>& groups = Groups();
  for (size_t g = 0; g < groups.size() && g < m_checked.size(); ++g) {
    int32_t boxed = 0, checked = 0;
    for (size_t b = 0; b < groups[g].bits.size(); ++b) {
      boxed |= groups[g].bits[b].value;
      if (b < m_checked[g].size() && m_checked[g][b]) checked |= groups[g].bits[b].value;
    }
    int32_t& word = m_object.*groups[g].word;
    word = (word & ~boxed) | checked;
  }
  return true;
}

// --- hits

const std::vector<CObjectHitsDialog::Entry>& CObjectHitsDialog::Entries() {
  static const std::vector<Entry> entries = [] {
    static constexpr const char* kLabels[12] = {"Generow", "Gracz",    "Przeciwnik", "Powerup", "Strzał", "G-Strzał",
                                                "P-Strzał", "Specialny", "User 1",   "User 2",  "User 3", "User 4"};
    static constexpr int32_t kValues[12] = {kHitGenerator, kHitPlayer,  kHitEnemy, kHitPowerup,
                                            kHitShot,      kHitPlayerShot, kHitEnemyShot, kHitSpecial,
                                            kHitUser1,     kHitUser2,   kHitUser3, kHitUser4};
    std::vector<Entry> list;
    for (int i = 0; i < 12; ++i)
      list.push_back({kLabels[i], kValues[i], ctl::kObjectHitTypeRadios[i], ctl::kObjectHitMaskBoxes[i]});
    return list;
  }();
  return entries;
}

void CObjectHitsDialog::OnInitDialog() {
  m_type.clear();
  m_mask.clear();
  m_all = m_object.m_hitMask == kHitMaskAll;
  for (const Entry& entry : Entries()) {
    m_type.push_back(m_object.m_hitType == entry.value);
    m_mask.push_back(!m_all && (m_object.m_hitMask & entry.value) == entry.value);
  }
}

bool CObjectHitsDialog::OnOK(IInteractionPort& /*port*/) {
  const std::vector<Entry>& entries = Entries();
  int32_t boxed = 0, checked = 0;
  std::optional<int32_t> type;
  bool inTable = false;
  for (size_t i = 0; i < entries.size(); ++i) {
    boxed |= entries[i].value;
    if (i < m_mask.size() && m_mask[i]) checked |= entries[i].value;
    if (!type && i < m_type.size() && m_type[i]) type = entries[i].value;
    inTable = inTable || m_object.m_hitType == entries[i].value;
  }
  if (type) {
    m_object.m_hitType = *type;
  } else if (inTable) {
    m_object.m_hitType = 0;
  }
  if (m_all) {
    m_object.m_hitMask = kHitMaskAll;
  } else {
    // "All" has no bits of its own to keep.
    const int32_t old = m_object.m_hitMask == kHitMaskAll ? 0 : m_object.m_hitMask;
    m_object.m_hitMask = (old & ~boxed) | checked;
  }
  return true;
}

// --- the main dialog

const std::vector<ObjectNumber>& CObjectEditDialog::NumberFields() {
  static const std::vector<ObjectNumber> fields = {
      {ctl::kObjectId, "ID:", OBJECT_FIELD(m_id)},
      {ctl::kObjectX, "X:", OBJECT_VALUE(m_x), [](CGameObject& o, int32_t v) { o.MoveTo(v, o.m_y); }},
      {ctl::kObjectY, "Y:", OBJECT_VALUE(m_y), [](CGameObject& o, int32_t v) { o.MoveTo(o.m_x, v); }},
      {ctl::kObjectZ, "Z:", OBJECT_VALUE(m_z), [](CGameObject& o, int32_t v) { o.SetZ(v); }},
      {ctl::kObjectImage, "I:", OBJECT_FIELD(m_imageIndex)},
      {ctl::kObjectScore, "Wynik:", OBJECT_FIELD(m_score)},
      {ctl::kObjectPoints, "Punkty:", OBJECT_FIELD(m_points)},
      {ctl::kObjectTime, "Czas:", OBJECT_FIELD(m_time)},
      {ctl::kObjectPowerup, "Powerup:", OBJECT_FIELD(m_powerup)},
      {ctl::kObjectDamage, "Szkody:", OBJECT_FIELD(m_damage)},
      {ctl::kObjectHealth, "Życie:", OBJECT_FIELD(m_health)},
      {ctl::kObjectSpeedX, "Szybk X:", OBJECT_FIELD(m_speedX)},
      {ctl::kObjectSpeedY, "Szybk Y:", OBJECT_FIELD(m_speedY)},
      {ctl::kObjectFaceDirection, "Kier:", OBJECT_FIELD(m_faceDirection)},
      {ctl::kObjectMinX, "X Min:", OBJECT_FIELD(m_minX)},
      {ctl::kObjectMaxX, "X Max:", OBJECT_FIELD(m_maxX)},
      {ctl::kObjectDirection, "Kierunek:", OBJECT_FIELD(m_direction)},
      {ctl::kObjectMinY, "Y Min:", OBJECT_FIELD(m_minY)},
      {ctl::kObjectMaxY, "Y Max:", OBJECT_FIELD(m_maxY)},
      {ctl::kObjectSpeed, "Szybk:", OBJECT_FIELD(m_speed)},
  };
  return fields;
}

CObjectEditDialog::CObjectEditDialog(CWorldDoc& doc, CPlane& plane, CGameObject* object, CGameObject* created,
                                     const SelectionRange& range)
    : m_numbers(NumberFields().size()), m_doc(doc), m_plane(plane), m_shown(object), m_created(created),
      m_range(range) {}

std::vector<DialogField> CObjectEditDialog::Fields() {
  std::vector<DialogField> fields = {
      DialogField::Text(ctl::kObjectName, "Nazwa:", m_name, kObjectNameMax),
      DialogField::Text(ctl::kObjectLogic, "Logika:", m_logic, kObjectNameMax),
      DialogField::Text(ctl::kObjectImageSet, "ImageSet:", m_imageSet, kObjectNameMax),
      DialogField::Text(ctl::kObjectAnimation, "Animacja:", m_animation, kObjectNameMax),
  };
  for (size_t i = 0; i < m_numbers.size(); ++i)
    fields.push_back(DialogField::Number(NumberFields()[i].control, NumberFields()[i].label, m_numbers[i]));
  return fields;
}

std::string& CObjectEditDialog::NumberText(int control) {
  for (size_t i = 0; i < m_numbers.size(); ++i)
    if (NumberFields()[i].control == control) return m_numbers[i];
  return m_numbers.front();
}

void CObjectEditDialog::OnInitDialog() {
  m_stored.clear();
  UpdateCaption();
  Show(m_shown);
}

void CObjectEditDialog::UpdateCaption() {
  const size_t count = m_plane.ObjectCount();
  SetCaption(count == 1 ? std::string(res::text::kEditObjectCaption)
                        : FormatMessage(res::text::kEditObjectsCaption, {int64_t(count)}));
}

void CObjectEditDialog::Show(CGameObject* object) {
  m_logicNames = SortedNames(KnownNameLists::Logic());
  m_imageSetNames = SortedNames(KnownNameLists::ImageSets());
  m_animationNames = SortedNames(KnownNameLists::Animations());
  m_shown = object;
  m_doc.SetSelectedObject(object);
  if (!object) return;
  m_name = object->m_name;
  m_logic = object->m_logic;
  m_imageSet = object->m_imageSet;
  m_animation = object->m_animation;
  for (size_t i = 0; i < m_numbers.size(); ++i) m_numbers[i] = std::to_string(NumberFields()[i].get(*object));
  ReloadFields();
}

void CObjectEditDialog::Store() {
  CGameObject* object = m_shown;
  if (!object) return;
  object->m_name = m_name;
  object->m_logic = m_logic;
  object->m_imageSet = m_imageSet;
  object->m_animation = m_animation;
  for (size_t i = 0; i < m_numbers.size(); ++i) NumberFields()[i].set(*object, Number(m_numbers[i]));
  KnownNameLists::Logic().Add(object->m_logic);
  KnownNameLists::ImageSets().Add(object->m_imageSet);
  KnownNameLists::Animations().Add(object->m_animation);
  ApplyAutoRules(m_doc, *object);
  // A new image set means another picture: resolve it again.
  object->ForgetImage();
  object->UpdateBounds(m_doc.ImageSets());
  if (std::find(m_stored.begin(), m_stored.end(), object) == m_stored.end()) m_stored.push_back(object);
}

void CObjectEditDialog::Step(bool forward, IInteractionPort& port) {
  if (!m_shown) return;
  if (!FieldsFit(port)) return;
  Store();
  CGameObject* next = forward ? m_plane.NextObject(m_shown, false) : m_plane.PrevObject(m_shown, false);
  if (!next) {
    port.Beep();
    next = m_shown;  // shows what the auto rules filled in
  }
  Show(next);
}

void CObjectEditDialog::Forget(CGameObject* object) {
  m_stored.erase(std::remove(m_stored.begin(), m_stored.end(), object), m_stored.end());
  if (m_created == object) m_created = nullptr;
  if (m_doc.SelectedObject() == object) m_doc.SetSelectedObject(nullptr);
}

void CObjectEditDialog::Delete(IInteractionPort& port) {
  if (!m_shown || !port.AskYesNo(res::text::kDeleteObject)) return;
  CGameObject* doomed = m_shown;
  Forget(doomed);
  m_plane.RemoveObject(doomed);
  m_shown = nullptr;
  if (!m_plane.FirstObject()) {
    EndDialog(DialogResult::Ok);
    return;
  }
  UpdateCaption();
  Show(m_plane.FirstObject());
}

void CObjectEditDialog::RemoveCreated(const std::function<bool(const CGameObject&)>& when) {
  CGameObject* created = m_created;
  if (!created || !when(*created)) return;
  Forget(created);
  if (m_shown == created) m_shown = nullptr;
  m_plane.RemoveObject(created);
}

void CObjectEditDialog::RunSubDialog(CDialogModel& dialog, IInteractionPort& port, bool sharesFields) {
  if (port.RunDialog(dialog) != DialogResult::Ok) return;
  if (!sharesFields) return;
  // The sub-dialog's values would otherwise be overwritten by the ones still shown here.
  for (size_t i = 0; i < m_numbers.size(); ++i) {
    const int control = NumberFields()[i].control;
    if (control == ctl::kObjectMinX || control == ctl::kObjectMaxX || control == ctl::kObjectMinY ||
        control == ctl::kObjectMaxY || control == ctl::kObjectSpeed || control == ctl::kObjectDirection ||
        control == ctl::kObjectFaceDirection)
      m_numbers[i] = std::to_string(NumberFields()[i].get(*m_shown));
  }
  ReloadFields();
}

void CObjectEditDialog::OnControlEvent(int control, ControlEvent event, IInteractionPort& port) {
  if (event != ControlEvent::Clicked) return;
  switch (control) {
    case ctl::kObjectNext:
    case ctl::kObjectPrev:
      Step(control == ctl::kObjectNext, port);
      return;
    case ctl::kObjectDelete:
      Delete(port);
      return;
    case ctl::kObjectRangeX:
    case ctl::kObjectRangeY: {
      const bool x = control == ctl::kObjectRangeX;
      const int32_t low = x ? m_range.xMin : m_range.yMin, high = x ? m_range.xMax : m_range.yMax;
      if (low < 0 || high < 0) return;
      NumberText(x ? ctl::kObjectMinX : ctl::kObjectMinY) = std::to_string(low);
      NumberText(x ? ctl::kObjectMaxX : ctl::kObjectMaxY) = std::to_string(high);
      ReloadFields();
      return;
    }
    default:
      break;
  }
  if (!m_shown) return;
  CGameObject& object = *m_shown;
  if (control == ctl::kObjectRects) {
    CObjectRectsDialog dialog(object, m_range);
    RunSubDialog(dialog, port, false);
  } else if (control == ctl::kObjectPointsButton) {
    RunSubDialog(*MakeObjectPointsDialog(object), port, true);
  } else if (control == ctl::kObjectFlags) {
    CObjectFlagsDialog dialog(object);
    RunSubDialog(dialog, port, false);
  } else if (control == ctl::kObjectHits) {
    CObjectHitsDialog dialog(object);
    RunSubDialog(dialog, port, false);
  } else if (control == ctl::kObjectUser) {
    RunSubDialog(*MakeObjectUserDialog(object), port, false);
  } else if (control == ctl::kObjectOther) {
    RunSubDialog(*MakeObjectOtherDialog(object), port, true);
  }
}

bool CObjectEditDialog::OnOK(IInteractionPort& port) {
  if (!FieldsFit(port)) return false;
  Store();
  RemoveCreated([](const CGameObject& o) {
    return o.m_name.empty() && o.m_logic.empty() && o.m_imageSet.empty() && o.m_animation.empty();
  });
  return true;
}

void CObjectEditDialog::OnCancel() {
  RemoveCreated([](const CGameObject&) { return true; });
}

void RunObjectEditDialog(CWorldDoc& doc, CGameObject* object, CGameObject* created) {
  CPlane* plane = doc.CurrentPlane();
  if (!plane || !object || object->m_listPosition.Plane() != plane) return;
  ISelectionRangeSource* ranges = doc.ViewPort() ? doc.ViewPort()->SelectionRanges() : nullptr;
  CObjectEditDialog dialog(doc, *plane, object, created, ranges ? ranges->Range() : SelectionRange{});
  doc.Interaction().RunDialog(dialog);
  if (ranges && !created) ranges->ResetRangeX();
  if (created) {
    for (CGameObject* stored : dialog.Stored()) plane->PlaceByZ(stored);
  } else {
    plane->SortObjects();
  }
}

}  // namespace vyr
