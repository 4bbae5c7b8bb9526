// Object mode: entering and leaving, selecting by click and Tab, nudges, Delete, new objects by double click, the selection frame and the object-mode panes.
#include "commands/modes/object_mode.h"

#include <algorithm>

#include "commands/objects/shortcut_commands.h"
#include "commands/world_edit.h"
#include "commands/world_view_model.h"
#include "platform/command_ids.h"
#include "platform/interaction_port.h"
#include "platform/message_format.h"
#include "platform/saturate.h"
#include "res/messages.h"
#include "res/step_names.h"
#include "world/game_object.h"
#include "world/plane.h"
#include "world/view_port.h"
#include "world/world.h"
#include "world/world_doc.h"

namespace vyr {

int ObjectMode::Id() const { return kObjectMode; }

CWorldDoc* ObjectMode::Doc() const { return m_doc; }

CPlane* ObjectMode::Plane() const {
  CWorldDoc* doc = Doc();
  return doc ? doc->CurrentPlane() : nullptr;
}

CGameObject* ObjectMode::Selected() const {
  CWorldDoc* doc = Doc();
  if (!doc) return nullptr;
  CGameObject* object = SelectedObjectOnCurrentPlane(*doc);
  if (!object) doc->SetSelectedObject(nullptr);
  return object;
}

void ObjectMode::Select(CGameObject* object) {
  m_view.HideCursor();
  if (CWorldDoc* doc = Doc()) doc->SetSelectedObject(object);
}

bool ObjectMode::CanEnter() const {
  const CPlane* plane = Plane();
  return plane && (plane->m_flags & kPlaneFlagObjects) != 0;
}

void ObjectMode::Enter() {
  if (!CanEnter() || !m_view.HasModeFrame() || m_view.EditMode() == kObjectMode) return;
  m_view.SetGridOn(false);
  m_view.ShowModeInFrame(kObjectMode);
  m_view.HideCursor();
  m_view.SetEditMode(kObjectMode);
  m_view.RefreshView();
  CWorldDoc* doc = Doc();
  if (doc && doc->ObjectImageSetsPending()) {
    doc->ClearObjectImageSetsPending();
    doc->LoadObjectImageSets();
    m_view.RefreshView();
  }
}

void ObjectMode::Leave() {
  if (m_view.EditMode() != kObjectMode) return;
  m_view.ShowModeInFrame(kTileMode);
  m_view.HideCursor();
  m_view.SetEditMode(kTileMode);
  m_view.RefreshView();
}

void ObjectMode::LeaveIfPlaneLacksObjects() {
  if (m_view.EditMode() == kObjectMode && !CanEnter()) Leave();
}

void ObjectMode::OnPlaneChanged() {
  if (CWorldDoc* doc = Doc()) doc->SetSelectedObject(nullptr);
}

void ObjectMode::OnMouseDown(const PointerInput& input) {
  CPlane* plane = Plane();
  if (!plane || (input.button != MouseButton::Left && input.button != MouseButton::Right)) return;
  CGameObject* hit = plane->HitTest(input.pixel.x, input.pixel.y);
  if (input.button == MouseButton::Left) {
    if (input.modifiers & kModShift)
      m_selection.Add(input.pixel.x, input.pixel.y);
    else if (!hit)
      m_selection.Reset();
  }
  Select(hit);
  if (input.button == MouseButton::Right && hit) m_view.SendCommand(cmd::kObjectEdit);
}

void ObjectMode::OnDoubleClick(const PointerInput& input) {
  CWorldDoc* doc = Doc();
  CPlane* plane = Plane();
  if (!doc || !plane || input.button != MouseButton::Left || !CanEnter()) return;
  // The new object and its edit dialog are one step.
  RunEdit(*doc, ChangeScope::Objects(plane), res::step::kNewObject, [&] {
    CGameObject* object = plane->NewObject(1);
    object->MoveTo(input.pixel.x, input.pixel.y);
    object->SetZ(0);
    object->m_id = doc->World()->NextUnusedObjectId();
    object->UpdateBounds(doc->ImageSets());
    Select(object);
    doc->SetObjectBeingCreated(object);
    m_view.SendCommand(cmd::kObjectEdit);
    doc->SetObjectBeingCreated(nullptr);
  });
}

bool ObjectMode::HasCursor() const { return m_view.Document() && m_view.Document()->SelectedObject().has_value(); }

std::vector<CRect> ObjectMode::CursorFrames() const {
  if (!HasCursor() || m_view.NoImages()) return {};
  ViewObjectBox box = *m_view.Document()->SelectedObject();
  int32_t a = box.x - m_view.ScrollX() - (box.width >> 1) + box.offsetX;
  int32_t b = box.y - m_view.ScrollY() - (box.height >> 1) + box.offsetY;
  CRect outer = m_view.GridOn() ? CRect{a + 1, b + 1, a + box.width, b + box.height}
                                : CRect{a, b, a + box.width + 1, b + box.height + 1};
  return NestedFrames(outer, std::min(box.width / 8, 16));
}

std::vector<PixelPoint> ObjectMode::MarkerCorners() const {
  std::vector<PixelPoint> corners;
  const CPlane* plane = Plane();
  if (!plane || m_view.NoImages()) return corners;
  // Only those on the window: objects out of sight are not resolved by the drawing.
  const int64_t scrollX = m_view.ScrollX(), scrollY = m_view.ScrollY();
  for (const CGameObject* object :
       plane->ObjectsAt(scrollX - 15, scrollY - 15, scrollX + 15 + m_view.ClientWidth(),
                        scrollY + 15 + m_view.ClientHeight())) {
    const int64_t x = int64_t(object->m_x) - scrollX - 16;
    const int64_t y = int64_t(object->m_y) - scrollY - 16;
    if (object->m_image || x <= -32 || y <= -32 || x >= m_view.ClientWidth() || y >= m_view.ClientHeight()) continue;
    corners.push_back({int32_t(x), int32_t(y)});
  }
  return corners;
}

std::vector<CommandId> ObjectMode::Panes() const {
  return {cmd::kPaneObjectMouse, cmd::kPaneObjectLogic, cmd::kPaneObjectPosition};
}

std::string ObjectMode::PaneText(CommandId pane) const {
  if (pane == cmd::kPaneObjectMouse) return FormatMessage(res::text::kPaneMouse, {m_mouse.x, m_mouse.y});
  const CGameObject* object = Selected();
  if (!object) return {};
  if (pane == cmd::kPaneObjectLogic) return object->m_logic;
  return FormatMessage(res::text::kPaneObjectPosition, {object->m_x.Get(), object->m_y.Get(), object->m_z.Get()});
}

void ObjectMode::StepObject(bool forward) {
  CPlane* plane = Plane();
  if (!plane) return;
  CGameObject* current = Selected();
  CGameObject* next = current ? (forward ? plane->NextObject(current, true) : plane->PrevObject(current, true))
                              : (forward ? plane->FirstObject() : plane->LastObject());
  Select(next);
  if (next)
    m_view.SetScroll(Saturate(int64_t(next->m_x) - m_view.ClientWidth() / 2),
                     Saturate(int64_t(next->m_y) - m_view.ClientHeight() / 2));
  m_view.RefreshView();
}

void ObjectMode::Nudge(int32_t dx, int32_t dy) {
  CGameObject* object = Selected();
  CWorldDoc* doc = Doc();
  if (!object || !doc) return;
  m_view.HideCursor();
  // Repeated nudges of one object are one move.
  RunEdit(
      *doc, ChangeScope::Objects(Plane()), res::step::kMoveObject,
      [&] {
        object->MoveTo(Saturate(int64_t(object->m_x) + dx), Saturate(int64_t(object->m_y) + dy));
        object->UpdateBounds(doc->ImageSets());
      },
      object);
}

void ObjectMode::DeleteSelected() {
  CGameObject* object = Selected();
  CWorldDoc* doc = Doc();
  if (!object || !doc || !m_view.Interaction()) return;
  if (!m_view.Interaction()->AskYesNo(res::text::kDeleteObject)) return;
  m_view.HideCursor();
  RunEdit(*doc, ChangeScope::Objects(Plane()), res::step::kDeleteObject, [&] {
    doc->SetSelectedObject(nullptr);
    Plane()->RemoveObject(object);
  });
}

void ObjectMode::RegisterCommands(CommandTable& table) {
  ObjectMode* mode = this;
  CWorldViewModel* view = &m_view;
  auto enterEnabled = [mode](CommandState& state) { state.Enable(mode->CanEnter()); };
  table.On(cmd::kObjectMode, [mode] { mode->Enter(); });
  table.OnUpdate(cmd::kObjectMode, enterEnabled);
  table.On(cmd::kTileMode, [mode] { mode->Leave(); });
  table.OnUpdate(cmd::kTileMode, [](CommandState& state) { state.Enable(true); });
  table.On(cmd::kToggleMode, [mode, view] { view->EditMode() == kObjectMode ? mode->Leave() : mode->Enter(); });
  table.OnUpdate(cmd::kToggleMode, [](CommandState& state) { state.Enable(true); });

  table.On(cmd::kObjectNext, [mode] { mode->StepObject(true); });
  table.On(cmd::kObjectPrevious, [mode] { mode->StepObject(false); });
  for (CommandId id : {cmd::kObjectNext, cmd::kObjectPrevious})
    table.OnUpdate(id, [](CommandState& state) { state.Enable(true); });

  struct NudgeCommand {
    CommandId id;
    int32_t dx;
    int32_t dy;
  };
  constexpr NudgeCommand kNudges[] = {
      {cmd::kNudgeUp1, 0, -1},    {cmd::kNudgeLeft1, -1, 0},  {cmd::kNudgeRight1, 1, 0},  {cmd::kNudgeDown1, 0, 1},
      {cmd::kNudgeUp10, 0, -10}, {cmd::kNudgeLeft10, -10, 0}, {cmd::kNudgeRight10, 10, 0}, {cmd::kNudgeDown10, 0, 10},
  };
  auto selected = [mode](CommandState& state) { state.Enable(mode->Selected() != nullptr); };
  for (const NudgeCommand& nudge : kNudges) {
    table.On(nudge.id, [mode, nudge] { mode->Nudge(nudge.dx, nudge.dy); });
    table.OnUpdate(nudge.id, selected);
  }
  table.On(cmd::kObjectDelete, [mode] { mode->DeleteSelected(); });
  table.OnUpdate(cmd::kObjectDelete, selected);
}

}  // namespace vyr
