// ObjectMode: the view's object edit mode: entering and leaving, clicks, Tab, nudges, Delete, the selection frame and the object-mode panes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "commands/modes/edit_mode.h"

namespace vyr {

class CGameObject;
class CPlane;
class CWorldDoc;
class CWorldViewModel;

// Shift-click range of object mode, −1 meaning unset.
struct SelectionRange {
  int32_t xMin = -1;
  int32_t xMax = -1;
  int32_t yMin = -1;
  int32_t yMax = -1;
  void Reset() { *this = SelectionRange{}; }
  void ResetX() { xMin = xMax = -1; }
  // A shift-click: the first value becomes the minimum, each later one the maximum, the
  // two kept in order.
  void Add(int32_t x, int32_t y);
};

class ObjectMode final : public IEditMode {
 public:
  explicit ObjectMode(CWorldViewModel& view) : m_view(view) {}

  int Id() const override;
  void OnMouseMove(const PointerInput& input) override { m_mouse = input.pixel; }
  // Left: select what is hit (Shift also extends the range); right: select and edit.
  void OnMouseDown(const PointerInput& input) override;
  // A new object at the mouse, edited through the object edit command.
  void OnDoubleClick(const PointerInput& input) override;
  // F5 forgets the Shift-click range.
  void OnRefresh() override { m_selection.Reset(); }
  void OnPlaneChanged() override;
  // The frame surrounds the selected object; without one there is nothing to blink.
  bool HasCursor() const override;
  std::vector<CRect> CursorFrames() const override;
  std::vector<CommandId> Panes() const override;
  std::string PaneText(CommandId pane) const override;
  // Mode switches, Tab / Shift+Tab, nudges and Delete.
  void RegisterCommands(CommandTable& table) override;

  SelectionRange& Selection() { return m_selection; }

  // "Tryb Objektów" needs a current plane that holds objects.
  bool CanEnter() const;
  void Enter();
  void Leave();
  // Leaves object mode when the current plane cannot hold objects (any more).
  void LeaveIfPlaneLacksObjects();
  // Tab / Shift+Tab: the next or previous object in z order, wrapping, centred.
  void StepObject(bool forward);
  void Nudge(int32_t dx, int32_t dy);
  void DeleteSelected();
  // Top-left client corners of the 32 x 32 markers of objects drawn without an image;
  // none with "Bez Obrazów".
  std::vector<PixelPoint> MarkerCorners() const;
  // The selected object when it lies on the current plane; anything else is dropped.
  CGameObject* Selected() const;

 private:
  CWorldDoc* Doc() const;
  CPlane* Plane() const;
  void Select(CGameObject* object);

  CWorldViewModel& m_view;
  SelectionRange m_selection;
  PixelPoint m_mouse;
};

}  // namespace vyr
