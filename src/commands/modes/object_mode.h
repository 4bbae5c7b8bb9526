// ObjectMode: the view's object edit mode: entering and leaving, clicks, Tab, nudges, Delete, the selection frame and the object-mode panes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "commands/modes/edit_mode.h"
#include "world/selection_range.h"

namespace vyr {

class CGameObject;
class CPlane;
class CWorldDoc;
class CWorldViewModel;

class ObjectMode final : public IEditMode, public ISelectionRangeSource {
 public:
  explicit ObjectMode(CWorldViewModel& view) : m_view(view) {}
  // The document whose objects the mode selects and edits (null: none); it must outlive
  // the mode's use.
  void SetDocument(CWorldDoc* doc) { m_doc = doc; }

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
  // ISelectionRangeSource
  SelectionRange Range() const override { return m_selection; }
  void ResetRangeX() override { m_selection.ResetX(); }
  bool DrawsObjects() const override { return true; }

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
  CWorldDoc* m_doc = nullptr;
  SelectionRange m_selection;
  PixelPoint m_mouse;
};

}  // namespace vyr
