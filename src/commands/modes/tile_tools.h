// TileTools: tile mode's mouse tools: drag painting, the cell selection with its clipboard
// and stamp, moving a selection, bucket fill and live edge repair.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "commands/modes/edit_mode.h"
#include "platform/rect.h"
#include "world/cell_stamp.h"

namespace vyr {

class CPlane;
class CWorldDoc;
class CWorldViewModel;
class Profile;
class TileMode;

// What the view draws over the plane for the tools, in cells (inclusive rectangles).
struct TileOverlay {
  std::optional<CRect> selection;
  // The cells the brush or the stamp would cover at the mouse, and their values row by row.
  std::optional<CRect> preview;
  std::vector<int32_t> previewTiles;
};

class TileTools {
 public:
  TileTools(CWorldViewModel& view, TileMode& mode) : m_view(view), m_mode(mode) {}
  // Without a document every tool is off and the mode's own clicks stay as they are.
  void SetDocument(CWorldDoc* doc) { m_doc = doc; }
  CWorldDoc* Document() const { return m_doc; }
  // Reads and keeps the live repair switch.
  void SetProfile(Profile* profile);

  // Each returns true when a tool took the event.
  bool OnMouseDown(const PointerInput& input);
  bool OnMouseMove(const PointerInput& input);
  bool OnMouseUp(const PointerInput& input);
  bool OnKeyPress(uint32_t key, uint32_t modifiers);
  // Ends any drag in progress (a key, a mode or plane switch): its step is kept.
  void EndDrag();
  void Reset();

  const TileOverlay& Overlay() const { return m_overlay; }
  std::optional<CRect> Selection() const { return m_selection; }
  void SetSelection(std::optional<CRect> cells);
  const CellStamp& Clipboard() const { return m_clipboard; }
  bool Stamping() const { return m_stamping; }
  bool LiveRepair() const { return m_liveRepair; }
  void SetLiveRepair(bool on);

  // The clipboard and fill commands on the selection; false without one.
  bool CopySelection();
  bool CutSelection();
  bool FillSelection(int32_t value, std::string_view step);
  // Ctrl+V: the clipboard follows the mouse until Escape.
  bool StartStamp();
  // Fills the region under `cell` with the current tile as one step.
  bool BucketFillAt(CellPoint cell);
  // The tile value the brush writes, or nothing without a current image.
  std::optional<int32_t> BrushTile() const;

  // The design's cell commands with cells selected (not from a mouse click): the selection
  // takes `value`; false without a selection.
  bool FillCellSelection(int32_t value);
  // "Naprawa na Bieżąco" and "Wypełnij Obszar".
  void RegisterCommands(CommandTable& table);

 private:
  enum class Drag { None, Stroke, Select, Move, Stamp };
  CPlane* Plane() const;
  // Live repair over the cells written, in the step being recorded.
  void Repair(const CRect& cells);
  void Paint(CellPoint to);
  bool PlaceStampAt(CellPoint cell);
  void ShowChanged(const CRect& cells);
  void UpdateOverlay();

  CWorldViewModel& m_view;
  TileMode& m_mode;
  CWorldDoc* m_doc = nullptr;
  Profile* m_profile = nullptr;
  Drag m_drag = Drag::None;
  CellPoint m_from;
  CellPoint m_last;
  CellPoint m_mouse;
  bool m_moved = false;
  std::optional<int32_t> m_strokeValue;
  std::optional<CRect> m_selection;
  CellStamp m_clipboard;
  CellStamp m_matched;  // the clipboard matched to the plane being stamped
  bool m_stamping = false;
  bool m_liveRepair = false;
  // Set while a mouse click sends the design's own cell commands, so the selection does not take them.
  bool m_passThrough = false;
  std::optional<int32_t> m_shownBrush;
  TileOverlay m_overlay;
};

}  // namespace vyr
