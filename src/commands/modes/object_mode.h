// ObjectMode: the view's object edit mode: entering and leaving, clicks, Tab, nudges, Delete, the selection frame and the object-mode panes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "commands/modes/edit_mode.h"
#include "platform/rect.h"
#include "world/document_observer.h"
#include "world/selection_range.h"

namespace vyr {

class CGameObject;
class CPlane;
class CWorldDoc;
class CWorldViewModel;

class ObjectMode final : public IEditMode, public ISelectionRangeSource, private IDocumentObserver {
 public:
  explicit ObjectMode(CWorldViewModel& view) : m_view(view) {}
  ~ObjectMode() override { SetDocument(nullptr); }
  ObjectMode(const ObjectMode&) = delete;
  ObjectMode& operator=(const ObjectMode&) = delete;
  // The document whose objects the mode selects and edits (null: none); it must outlive
  // the mode's use.
  void SetDocument(CWorldDoc* doc);

  int Id() const override;
  // A left drag on a selected object moves the selection (Shift: on the tile grid); one on
  // empty ground draws the rubber band.
  void OnMouseMove(const PointerInput& input) override;
  // Left: select what is hit (Shift also extends the range, Ctrl adds or takes out one
  // object, and a drag begins); right: select and edit.
  void OnMouseDown(const PointerInput& input) override;
  void OnMouseUp(const PointerInput& input) override;
  void Deactivate() override { EndDrag(); }
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
  // Every selected object, the design's selected object first.
  std::vector<CGameObject*> SelectedObjects() const;
  // The rubber band being drawn, in plane pixels (inclusive), for the view to draw.
  std::optional<CRect> RubberBand() const { return m_band; }
  // Objects of the current plane touching the inclusive plane-pixel rectangle, in list order.
  std::vector<CGameObject*> ObjectsTouching(const CRect& band) const;

 private:
  CWorldDoc* Doc() const;
  CPlane* Plane() const;
  void Select(CGameObject* object);

  void WorldChanged(const ChangeNotice& notice) override;
  void ContentsReset() override { m_others.clear(); }
  void SelectAll(const std::vector<CGameObject*>& objects);
  void EndDrag();

  CWorldViewModel& m_view;
  CWorldDoc* m_doc = nullptr;
  SelectionRange m_selection;
  PixelPoint m_mouse;
  // The selection beyond the design's selected object; dropped when something else changes
  // the plane's objects.
  std::vector<CGameObject*> m_others;
  bool m_ownEdit = false;
  enum class Drag { None, Move, Band } m_drag = Drag::None;
  PixelPoint m_dragFrom;
  std::vector<PixelPoint> m_dragOrigins;  // of SelectedObjects() when the drag began
  std::optional<CRect> m_band;
  // Successive drags are told apart, so each is one step of its own.
  char m_dragSeries[2] = {};
  int m_dragCount = 0;
};

}  // namespace vyr
