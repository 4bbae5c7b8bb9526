// The logic and Z shortcut commands, their menu texts and the auto rules they share with the edit dialog.
#include "commands/objects/shortcut_commands.h"

#include "commands/objects/default_shortcut_dialogs.h"
#include "commands/objects/object_edits.h"
#include "commands/world_edit.h"
#include "platform/command_table.h"
#include "platform/message_format.h"
#include "platform/windows1250.h"
#include "res/messages.h"
#include "res/step_names.h"
#include "world/game_object.h"
#include "world/plane.h"
#include "world/shortcut_tables.h"
#include "world/view_port.h"
#include "world/world.h"
#include "world/world_doc.h"

namespace vyr {

namespace {

// A menu shows "&&" as one '&'; a single one would underline the next letter.
std::string MenuLiteral(const std::string& bytes) {
  std::string text;
  for (char c : Windows1250ToUtf8(bytes)) {
    if (c == '&') text += '&';
    text += c;
  }
  return text;
}

bool CanInsertLogic(const CWorldDoc& doc, int n) {
  return doc.LogicTable() && !doc.LogicTable()->DefaultLogic(n).empty();
}

}  // namespace

PlanePoint NewObjectPlace(const IViewPort& view) {
  PlanePoint place;
  if (view.MouseInView(place.x, place.y)) return place;
  return {view.ScrollX() + view.ClientWidth() / 2, view.ScrollY() + view.ClientHeight() / 2};
}

CGameObject* SelectedObjectOnCurrentPlane(const CWorldDoc& doc) {
  CGameObject* object = doc.SelectedObject();
  if (!object || !doc.CurrentPlane() || object->m_listPosition.Plane() != doc.CurrentPlane()) return nullptr;
  return object;
}

void ApplyAutoRules(CWorldDoc& doc, CGameObject& object) {
  if (doc.AutoImageSet() && doc.LogicTable() && !object.m_logic.empty()) {
    if (object.m_imageSet.empty()) {
      if (std::optional<std::string> set = doc.LogicTable()->FindImageSet(object.m_logic)) object.m_imageSet = *set;
    } else {
      doc.LogicTable()->RememberImageSet(object.m_logic, object.m_imageSet);
    }
  }
  if (doc.AutoZ() && doc.ZTable()) {
    if (object.m_z != 0) {
      doc.ZTable()->RememberZ(object.m_logic, object.m_z, false);
    } else if (std::optional<int32_t> z = doc.ZTable()->FindZ(object.m_logic)) {
      object.SetZ(*z);
    }
  }
}

bool SetDefaultZ(CWorldDoc& doc, int n) {
  CGameObject* object = SelectedObjectOnCurrentPlane(doc);
  if (!doc.ZTable() || !object) return false;
  CPlane& plane = *doc.CurrentPlane();
  const int32_t z = doc.ZTable()->DefaultZ(n);
  object->SetZ(z);
  // Only an object its neighbours no longer frame moves, so equal z values keep their order.
  const CGameObject* before = plane.PrevObject(object, false);
  const CGameObject* after = plane.NextObject(object, false);
  if ((before && before->m_z > z) || (after && after->m_z < z)) plane.PlaceByZ(object);
  return true;
}

CGameObject* InsertDefaultLogic(CWorldDoc& doc, int n) {
  CPlane* plane = ObjectsPlane(doc);
  IViewPort* view = doc.ViewPort();
  if (!plane || !view || !doc.World() || !CanInsertLogic(doc, n)) return nullptr;
  const PlanePoint place = NewObjectPlace(*view);
  CGameObject* object = plane->NewObject(0);
  object->MoveTo(place.x, place.y);
  object->m_id = doc.World()->NextUnusedObjectId();
  object->m_logic = doc.LogicTable()->DefaultLogic(n);
  if (doc.AutoZ() && doc.ZTable())
    if (std::optional<int32_t> z = doc.ZTable()->FindZ(object->m_logic)) object->SetZ(*z);
  if (doc.AutoImageSet())
    if (std::optional<std::string> set = doc.LogicTable()->FindImageSet(object->m_logic)) object->m_imageSet = *set;
  plane->PlaceByZ(object);
  object->UpdateBounds(doc.ImageSets());
  doc.SetSelectedObject(object);
  return object;
}

std::string SetZMenuText(const CWorldDoc& doc, int n) {
  return FormatMessage(res::text::kSetZValueMenu, {doc.ZTable() ? doc.ZTable()->DefaultZ(n) : 0, n});
}

std::string AddLogicMenuText(const CWorldDoc& doc, int n) {
  if (!CanInsertLogic(doc, n)) return std::string(res::text::kAddLogicDisabled);
  return FormatMessage(res::text::kAddLogicMenu, {MenuLiteral(doc.LogicTable()->DefaultLogic(n)), n});
}

void RegisterShortcutCommands(CommandTable& table, CWorldDoc& doc) {
  CWorldDoc* d = &doc;
  table.On(cmd::kAutoZ, [d] { d->SetAutoZ(!d->AutoZ()); });
  table.OnUpdate(cmd::kAutoZ, [d](CommandState& state) { state.SetCheck(d->AutoZ()); });
  table.On(cmd::kAutoImageSet, [d] { d->SetAutoImageSet(!d->AutoImageSet()); });
  table.OnUpdate(cmd::kAutoImageSet, [d](CommandState& state) { state.SetCheck(d->AutoImageSet()); });
  table.On(cmd::kEditDefaultZ, [d] { EditDefaultZ(*d); });
  table.On(cmd::kEditDefaultLogic, [d] { EditDefaultLogic(*d); });

  for (int n = 0; n < kShortcutCount; ++n) {
    OnEdit(table, cmd::kSetZ[n], doc, CurrentObjects, res::step::kSetZ, [d, n] { SetDefaultZ(*d, n); });
    table.OnUpdate(cmd::kSetZ[n], [d, n](CommandState& state) {
      const bool enabled = d->ZTable() && SelectedObjectOnCurrentPlane(*d);
      state.Enable(enabled);
      // Disabled, the entry keeps its own text.
      if (enabled) state.SetText(SetZMenuText(*d, n));
    });
    OnEdit(table, cmd::kAddLogic[n], doc, CurrentObjects, res::step::kInsertLogic, [d, n] { InsertDefaultLogic(*d, n); });
    table.OnUpdate(cmd::kAddLogic[n], [d, n](CommandState& state) {
      state.Enable(CanInsertLogic(*d, n));
      state.SetText(AddLogicMenuText(*d, n));
    });
  }
}

}  // namespace vyr
