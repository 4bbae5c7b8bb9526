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

void ObjectMode::SetDocument(CWorldDoc* doc) {
  if (m_doc == doc) return;
  if (m_doc) m_doc->RemoveObserver(this);
  m_doc = doc;
  m_others.clear();
  if (m_doc) m_doc->AddObserver(this);
}

void ObjectMode::WorldChanged(const ChangeNotice& notice) {
  // Objects may have gone or come back as new records: only the design's selection, kept
  // by the document, is sure to survive.
  if (!m_ownEdit && (notice.objectsPlane || notice.planeStack)) m_others.clear();
}

std::vector<CGameObject*> ObjectMode::SelectedObjects() const {
  std::vector<CGameObject*> objects;
  CGameObject* first = Selected();
  if (!first) return objects;
  objects.push_back(first);
  for (CGameObject* object : m_others)
    if (object != first) objects.push_back(object);
  return objects;
}

void ObjectMode::SelectAll(const std::vector<CGameObject*>& objects) {
  Select(objects.empty() ? nullptr : objects.front());
  m_others.assign(objects.size() > 1 ? objects.begin() + 1 : objects.end(), objects.end());
  m_view.Invalidate(false);
}

std::vector<CGameObject*> ObjectMode::ObjectsTouching(const CRect& band) const {
  std::vector<CGameObject*> touching;
  const CPlane* plane = Plane();
  if (!plane) return touching;
  // Positions lie within reach of the bounds that touch the band.
  constexpr int64_t kReach = 1024;
  for (CGameObject* object : plane->ObjectsAt(int64_t(band.left) - kReach, int64_t(band.top) - kReach,
                                              int64_t(band.right) + kReach, int64_t(band.bottom) + kReach)) {
    const CRect bounds = object->m_bounds;
    if (bounds.left <= band.right && band.left < bounds.right && bounds.top <= band.bottom && band.top < bounds.bottom)
      touching.push_back(object);
  }
  return touching;
}

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
  m_others.clear();
  EndDrag();
  if (CWorldDoc* doc = Doc()) doc->SetSelectedObject(nullptr);
}

void ObjectMode::OnMouseDown(const PointerInput& input) {
  CPlane* plane = Plane();
  if (!plane || (input.button != MouseButton::Left && input.button != MouseButton::Right)) return;
  EndDrag();
  CGameObject* hit = plane->HitTest(input.pixel.x, input.pixel.y);
  const bool control = (input.modifiers & kModControl) != 0;
  const bool shift = (input.modifiers & kModShift) != 0;
  if (input.button == MouseButton::Left && control && !shift) {
    if (!hit) return;
    std::vector<CGameObject*> objects = SelectedObjects();
    const auto at = std::find(objects.begin(), objects.end(), hit);
    if (at != objects.end())
      objects.erase(at);
    else
      objects.push_back(hit);
    SelectAll(objects);
    return;
  }
  if (input.button == MouseButton::Left) {
    if (shift)
      m_selection.Add(input.pixel.x, input.pixel.y);
    else if (!hit)
      m_selection.Reset();
    if (!shift) {
      m_drag = hit ? Drag::Move : Drag::Band;
      m_dragFrom = input.pixel;
    }
  }
  std::vector<CGameObject*> objects = SelectedObjects();
  if (hit && input.button == MouseButton::Left && std::find(objects.begin(), objects.end(), hit) != objects.end()) {
    // A press on the selection keeps it, so that a drag moves all of it; the one pressed
    // becomes the design's selected object.
    std::erase(objects, hit);
    objects.insert(objects.begin(), hit);
    SelectAll(objects);
  } else {
    if (!m_others.empty()) m_view.Invalidate(false);
    m_others.clear();
    Select(hit);
  }
  m_dragOrigins.clear();
  for (const CGameObject* object : SelectedObjects()) m_dragOrigins.push_back({object->m_x, object->m_y});
  if (input.button == MouseButton::Right && hit) m_view.SendCommand(cmd::kObjectEdit);
}

void ObjectMode::OnMouseMove(const PointerInput& input) {
  m_mouse = input.pixel;
  CWorldDoc* doc = Doc();
  CPlane* plane = Plane();
  if (m_drag == Drag::None || !doc || !plane) return;
  if (m_drag == Drag::Band) {
    m_band = CRect{std::min(m_dragFrom.x, input.pixel.x), std::min(m_dragFrom.y, input.pixel.y),
                   std::max(m_dragFrom.x, input.pixel.x), std::max(m_dragFrom.y, input.pixel.y)};
    m_view.Invalidate(false);
    return;
  }
  const std::vector<CGameObject*> objects = SelectedObjects();
  if (objects.empty() || objects.size() != m_dragOrigins.size()) return;
  int64_t dx = int64_t(input.pixel.x) - m_dragFrom.x, dy = int64_t(input.pixel.y) - m_dragFrom.y;
  if ((input.modifiers & kModShift) && plane->TileWidth() > 0 && plane->TileHeight() > 0) {
    // The first object lands on a grid corner; the others keep their places beside it.
    const auto snap = [](int64_t value, int64_t tile) {
      return (value >= 0 ? (value + tile / 2) / tile : -((-value + tile / 2) / tile)) * tile;
    };
    dx = snap(m_dragOrigins[0].x + dx, plane->TileWidth()) - m_dragOrigins[0].x;
    dy = snap(m_dragOrigins[0].y + dy, plane->TileHeight()) - m_dragOrigins[0].y;
  }
  if (objects[0]->m_x == m_dragOrigins[0].x + dx && objects[0]->m_y == m_dragOrigins[0].y + dy) return;
  m_view.HideCursor();
  m_ownEdit = true;
  RunEdit(
      *doc, ChangeScope::Objects(plane), objects.size() > 1 ? res::step::kMoveObjects : res::step::kMoveObject,
      [&] {
        for (size_t i = 0; i < objects.size(); ++i) {
          objects[i]->MoveTo(Saturate(m_dragOrigins[i].x + dx), Saturate(m_dragOrigins[i].y + dy));
          objects[i]->UpdateBounds(doc->ImageSets());
        }
      },
      &m_dragSeries[m_dragCount % 2]);
  m_ownEdit = false;
}

void ObjectMode::OnMouseUp(const PointerInput& input) {
  if (input.button != MouseButton::Left) return;
  if (m_drag == Drag::Band && m_band) SelectAll(ObjectsTouching(*m_band));
  EndDrag();
}

void ObjectMode::EndDrag() {
  if (m_drag == Drag::Move) ++m_dragCount;
  if (m_band) m_view.Invalidate(false);
  m_drag = Drag::None;
  m_band.reset();
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
  if (const size_t count = SelectedObjects().size(); count > 1 && pane == cmd::kPaneObjectLogic)
    return FormatMessage(res::text::kObjectsSelected, {int64_t(count)});
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
  const std::vector<CGameObject*> objects = SelectedObjects();
  CWorldDoc* doc = Doc();
  if (objects.empty() || !doc) return;
  m_view.HideCursor();
  m_ownEdit = true;
  // Repeated nudges of one selection are one move.
  RunEdit(
      *doc, ChangeScope::Objects(Plane()), objects.size() > 1 ? res::step::kMoveObjects : res::step::kMoveObject,
      [&] {
        for (CGameObject* object : objects) {
          object->MoveTo(Saturate(int64_t(object->m_x) + dx), Saturate(int64_t(object->m_y) + dy));
          object->UpdateBounds(doc->ImageSets());
        }
      },
      objects.front());
  m_ownEdit = false;
}

void ObjectMode::DeleteSelected() {
  const std::vector<CGameObject*> objects = SelectedObjects();
  CWorldDoc* doc = Doc();
  if (objects.empty() || !doc || !m_view.Interaction()) return;
  if (!m_view.Interaction()->AskYesNo(res::text::kDeleteObject)) return;
  m_view.HideCursor();
  m_others.clear();
  RunEdit(*doc, ChangeScope::Objects(Plane()), res::step::kDeleteObject, [&] {
    doc->SetSelectedObject(nullptr);
    for (CGameObject* object : objects) Plane()->RemoveObject(object);
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
