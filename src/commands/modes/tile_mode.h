// TileMode: the view's default edit mode, owning the tile cursor, its commands, the mouse edits, typed image numbers and the tile-mode status panes.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <utility>

#include "commands/modes/edit_mode.h"
#include "commands/modes/tile_tools.h"

namespace vyr {

class CWorldViewModel;

enum class CursorStep { Left, Right, Up, Down };

enum class CursorJump {
  TopLeft,
  TopRight,
  BottomRight,
  BottomLeft,
  RowStart,
  RowEnd,
  ColumnStart,
  ColumnEnd,
};

// Milliseconds from an arbitrary start, wrapping; tests give their own.
using TickSource = std::function<uint32_t()>;
uint32_t SystemTicks();

// The digits of a typed image number: a digit within 750 ms of the last one continues the
// number, up to nine digits (a tenth starts again).
class TypedNumber {
 public:
  static constexpr uint32_t kWindowMilliseconds = 750;
  // Adds `digit` typed at `now` and returns the number typed so far.
  int32_t Add(int digit, uint32_t now);
  void Clear() { m_length = 0; }
  // The last digit added to a number begun before it.
  bool Continues() const { return m_length > 1; }

 private:
  std::array<char, 9> m_digits{};
  size_t m_length = 0;
  uint32_t m_last = 0;
};

class TileMode final : public IEditMode {
 public:
  explicit TileMode(CWorldViewModel& view) : m_view(view) {}

  int Id() const override;
  void OnMouseMove(const PointerInput& input) override {
    m_mouse = input.pixel;
    m_tools.OnMouseMove(input);
  }
  // Left: the cursor to the cell, with Shift or Ctrl also picking up its tile. Right: the
  // cursor to the cell, then fill with colour (Ctrl), delete (Shift) or insert, without
  // advancing the cursor. The tools (tile_tools.h) take drags, the stamp and Alt+left.
  void OnMouseDown(const PointerInput& input) override;
  void OnMouseUp(const PointerInput& input) override { m_tools.OnMouseUp(input); }
  bool OnKeyPress(uint32_t key, uint32_t modifiers) override { return m_tools.OnKeyPress(key, modifiers); }
  void Deactivate() override { m_tools.Reset(); }
  TileTools& Tools() { return m_tools; }
  const TileTools& Tools() const { return m_tools; }
  // Keys reach this in either mode: a main-keyboard digit without Ctrl or Alt types an image
  // number placed at the cursor (true); any other key ends the number (false).
  bool OnTypedKey(uint32_t key, uint32_t modifiers);
  // A main-keyboard digit without Ctrl or Alt: what types an image number.
  static bool IsTypedDigit(uint32_t key, uint32_t modifiers) {
    return key >= '0' && key <= '9' && (modifiers & (kModKeypad | kModControl | kModAlt)) == 0;
  }
  void SetTickSource(TickSource ticks) { m_ticks = std::move(ticks); }
  void OnPlaneChanged() override;
  bool HasCursor() const override { return true; }
  std::vector<CRect> CursorFrames() const override;
  std::vector<CommandId> Panes() const override;
  std::string PaneText(CommandId pane) const override;
  // The cursor steps and jumps and "&Automatyczny Kursor".
  void RegisterCommands(CommandTable& table) override;

  // The tile cursor: always inside the current plane once clamped.
  int32_t CursorColumn() const { return m_cursorColumn; }
  int32_t CursorRow() const { return m_cursorRow; }
  // Hides the cursor and moves it, clamped; neither scrolls nor refreshes.
  void MoveCursorTo(int32_t column, int32_t row);
  void ClampCursor();
  // True without a current plane, else when the cursor cell lies wholly in the window.
  bool CursorCellVisible() const;
  // After an edit: one step right when the automatic cursor is on.
  void AdvanceAutoCursor();
  // A step scrolls by one tile only when the cell left the window.
  void StepCursor(CursorStep step);
  void JumpCursor(CursorJump jump);
  bool AutoCursor() const { return m_autoCursor; }
  void OnToggleAutoCursor() { m_autoCursor = !m_autoCursor; }

 private:
  CWorldViewModel& m_view;
  int32_t m_cursorRow = 0;
  int32_t m_cursorColumn = 0;
  bool m_autoCursor = true;
  PixelPoint m_mouse;
  TypedNumber m_typed;
  bool m_typedWritten = false;  // a digit of the number being typed reached the plane
  TickSource m_ticks = SystemTicks;
  TileTools m_tools{m_view, *this};
};

}  // namespace vyr
