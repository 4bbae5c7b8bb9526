// IEditMode: what every edit mode of the world view provides, so the view only forwards input to the current one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/command_table.h"
#include "platform/rect.h"

namespace vyr {

struct CellPoint {
  int32_t column = -1;
  int32_t row = -1;
  friend bool operator==(const CellPoint&, const CellPoint&) = default;
};

struct PixelPoint {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// Modifier bits of an input event.
enum InputModifier : uint32_t { kModShift = 1, kModControl = 2, kModAlt = 4, kModKeypad = 8 };

enum class MouseButton { None, Left, Right, Middle };

// A mouse event as a mode sees it: the cell under the pointer ((−1, −1) without a plane),
// the plane pixel, the button that changed (None for a move) and the modifiers held.
struct PointerInput {
  CellPoint cell;
  PixelPoint pixel;
  MouseButton button = MouseButton::None;
  uint32_t modifiers = 0;
};

class IEditMode {
 public:
  virtual ~IEditMode() = default;

  // kTileMode or kObjectMode (world/view_port.h).
  virtual int Id() const = 0;
  // The view switched to or away from this mode.
  virtual void Activate() {}
  virtual void Deactivate() {}

  virtual void OnMouseDown(const PointerInput& /*input*/) {}
  virtual void OnMouseUp(const PointerInput& /*input*/) {}
  virtual void OnMouseMove(const PointerInput& /*input*/) {}
  virtual void OnDoubleClick(const PointerInput& /*input*/) {}
  // A key the accelerators left to the view: a Windows virtual-key code (0 for a key that
  // has none). True when the mode used it.
  virtual bool OnKeyPress(uint32_t /*key*/, uint32_t /*modifiers*/) { return false; }

  // Whether the view draws the current plane's objects while this mode is on.
  virtual bool DrawsObjects() const { return false; }

  // The current plane changed; F5 asked for a clean repaint.
  virtual void OnPlaneChanged() {}
  virtual void OnRefresh() {}

  // Whether the mode has a cursor to blink at all (its frames may still be empty when too
  // small to draw), and its nested frames in client pixels, outermost first.
  virtual bool HasCursor() const = 0;
  virtual std::vector<CRect> CursorFrames() const = 0;

  // The status panes the mode fills and the text of each; the frame shows them through
  // the update handlers the view registers.
  virtual std::vector<CommandId> Panes() const { return {}; }
  virtual std::string PaneText(CommandId /*pane*/) const { return {}; }

  // Enters the mode's own commands in the view's command table.
  virtual void RegisterCommands(CommandTable& table) = 0;
};

// Nested focus frames: `count` rectangles, each one pixel smaller on every side; the ones
// that have shrunk to nothing are left out.
std::vector<CRect> NestedFrames(CRect outer, int32_t count);

}  // namespace vyr
