// TileMode: the view's default edit mode, owning the tile cursor, its commands and the tile-mode status panes.
#pragma once

#include <cstdint>

#include "commands/modes/edit_mode.h"

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

class TileMode final : public IEditMode {
 public:
  explicit TileMode(CWorldViewModel& view) : m_view(view) {}

  int Id() const override;
  void OnMouseMove(const PointerInput& input) override { m_mouse = input.pixel; }
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
};

}  // namespace vyr
