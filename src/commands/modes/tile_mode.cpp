// Tile mode: the tile cursor's moves and frame, its menu commands, mouse edits, typed image numbers and the tile-mode status panes.
#include "commands/modes/tile_mode.h"

#include <algorithm>
#include <chrono>
#include <utility>

#include "commands/world_view_model.h"
#include "platform/command_ids.h"
#include "platform/message_format.h"
#include "platform/saturate.h"
#include "res/messages.h"
#include "world/plane.h"
#include "world/tile_edits.h"
#include "world/view_port.h"

namespace vyr {

namespace {

int32_t ClampIndex(int32_t value, int32_t count) {
  if (value < 0) value = 0;
  if (value >= count) value = count - 1;
  return value;
}

bool Inside(const ViewPlane& plane, CellPoint cell) {
  return cell.column >= 0 && cell.row >= 0 && cell.column < plane.columns && cell.row < plane.rows;
}

}  // namespace

uint32_t SystemTicks() {
  using namespace std::chrono;
  return uint32_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

int32_t TypedNumber::Add(int digit, uint32_t now) {
  // Unsigned, so the window holds across the tick counter's wrap.
  size_t at = now - m_last < kWindowMilliseconds ? m_length : 0;
  if (at > 8) at = 0;
  m_digits[at] = char('0' + digit);
  m_length = at + 1;
  m_last = now;
  int32_t number = 0;
  for (size_t i = 0; i < m_length; ++i) number = number * 10 + (m_digits[i] - '0');
  return number;
}

int TileMode::Id() const { return kTileMode; }

void TileMode::OnMouseDown(const PointerInput& input) {
  if (input.button != MouseButton::Left && input.button != MouseButton::Right) return;
  if (m_tools.OnMouseDown(input)) return;
  std::optional<ViewPlane> plane = m_view.Plane();
  // A click beside a plane smaller than the window edits nothing.
  if (!plane || !Inside(*plane, input.cell)) return;
  MoveCursorTo(input.cell.column, input.cell.row);
  const bool control = (input.modifiers & kModControl) != 0;
  const bool shift = (input.modifiers & kModShift) != 0;
  if (input.button == MouseButton::Right) {
    const bool autoCursor = std::exchange(m_autoCursor, false);
    m_view.SendCommand(control ? cmd::kTileFillColour : shift ? cmd::kTileDelete : cmd::kTileInsert);
    m_autoCursor = autoCursor;
    return;
  }
  IViewDocument* document = m_view.Document();
  if (!(control || shift) || !document) return;
  std::optional<int32_t> tile = document->TileAt({m_cursorColumn, m_cursorRow});
  if (!tile || !IsImageTile(*tile)) return;
  // The set first, so that whoever follows the image sees it in its own set.
  document->SelectSet(int32_t(uint32_t(*tile) >> 16));
  document->SelectImage(*tile & 0xFFFF);
}

bool TileMode::OnTypedKey(uint32_t key, uint32_t modifiers) {
  if (!IsTypedDigit(key, modifiers)) {
    m_typed.Clear();
    return false;
  }
  const int32_t image = m_typed.Add(int(key - '0'), m_ticks());
  // The digits of one number are one undo step.
  const bool join = m_typed.Continues() && m_typedWritten;
  if (!m_typed.Continues()) m_typedWritten = false;
  IViewDocument* document = m_view.Document();
  if (!document || !document->WorldLoaded() || !m_view.Plane() || !document->ImageExists(image)) return true;
  std::optional<int32_t> value = SelectionTile(document->CurrentSet(), image);
  const CellPoint cell{m_cursorColumn, m_cursorRow};
  if (value && (join ? document->ContinueTileAt(cell, *value) : document->SetTileAt(cell, *value))) {
    m_typedWritten = true;
    document->SelectImage(image);
  }
  return true;
}

void TileMode::OnPlaneChanged() {
  m_tools.Reset();
  m_cursorColumn = 0;
  m_cursorRow = 0;
}

std::vector<CRect> TileMode::CursorFrames() const {
  std::optional<ViewPlane> plane = m_view.Plane();
  if (!plane || plane->tileWidth <= 7) return {};
  int32_t left = m_cursorColumn * plane->tileWidth - m_view.ScrollX();
  int32_t top = m_cursorRow * plane->tileHeight - m_view.ScrollY();
  CRect outer = m_view.GridOn() ? CRect{left + 1, top + 1, left + plane->tileWidth, top + plane->tileHeight}
                                : CRect{left, top, left + plane->tileWidth + 1, top + plane->tileHeight + 1};
  return NestedFrames(outer, plane->tileWidth / 8);
}

std::vector<CommandId> TileMode::Panes() const {
  return {cmd::kPaneMouse, cmd::kPaneTile, cmd::kPaneSet, cmd::kPaneImage};
}

std::string TileMode::PaneText(CommandId pane) const {
  switch (pane) {
    case cmd::kPaneMouse: return FormatMessage(res::text::kPaneMouse, {m_mouse.x, m_mouse.y});
    case cmd::kPaneTile: return FormatMessage(res::text::kPaneTile, {m_cursorColumn, m_cursorRow});
    default: break;
  }
  // The set and image panes describe the tile under the cursor.
  const bool set = pane == cmd::kPaneSet;
  std::optional<int32_t> tile = m_view.Document() && m_view.Plane()
                                    ? m_view.Document()->TileAt({m_cursorColumn, m_cursorRow})
                                    : std::nullopt;
  if (!tile) return std::string(set ? res::text::kPaneSetEmpty : res::text::kPaneImageEmpty);
  if (*tile == -1) return std::string(set ? res::text::kPaneSetInvisible : res::text::kPaneImageInvisible);
  if (*tile == kColourTile) return std::string(set ? res::text::kPaneSetFill : res::text::kPaneImageFill);
  const uint32_t value = uint32_t(*tile);
  return set ? FormatMessage(res::text::kPaneSet, {value >> 16}) : FormatMessage(res::text::kPaneImage, {value & 0xFFFF});
}

void TileMode::ClampCursor() {
  std::optional<ViewPlane> plane = m_view.Plane();
  if (!plane) return;
  m_cursorColumn = ClampIndex(m_cursorColumn, plane->columns);
  m_cursorRow = ClampIndex(m_cursorRow, plane->rows);
}

void TileMode::MoveCursorTo(int32_t column, int32_t row) {
  if (!m_view.Plane()) return;
  m_view.HideCursor();
  m_cursorColumn = column;
  m_cursorRow = row;
  ClampCursor();
}

bool TileMode::CursorCellVisible() const {
  std::optional<ViewPlane> plane = m_view.Plane();
  if (!plane) return true;
  int64_t left = int64_t(m_cursorColumn) * plane->tileWidth;
  int64_t top = int64_t(m_cursorRow) * plane->tileHeight;
  int64_t right = left + plane->tileWidth - 1;
  int64_t bottom = top + plane->tileHeight - 1;
  const int64_t scrollX = m_view.ScrollX();
  const int64_t scrollY = m_view.ScrollY();
  return left >= scrollX && right < scrollX + m_view.ClientWidth() && top >= scrollY &&
         bottom < scrollY + m_view.ClientHeight();
}

void TileMode::StepCursor(CursorStep step) {
  std::optional<ViewPlane> plane = m_view.Plane();
  if (!plane) return;
  m_view.HideCursor();
  int32_t dx = 0;
  int32_t dy = 0;
  switch (step) {
    case CursorStep::Left: --m_cursorColumn; dx = -plane->tileWidth; break;
    case CursorStep::Right: ++m_cursorColumn; dx = plane->tileWidth; break;
    case CursorStep::Up: --m_cursorRow; dy = -plane->tileHeight; break;
    case CursorStep::Down: ++m_cursorRow; dy = plane->tileHeight; break;
  }
  ClampCursor();
  if (CursorCellVisible()) return;
  m_view.SetScroll(Saturate(int64_t(m_view.ScrollX()) + dx), Saturate(int64_t(m_view.ScrollY()) + dy));
  m_view.RefreshView();
}

void TileMode::JumpCursor(CursorJump jump) {
  std::optional<ViewPlane> plane = m_view.Plane();
  if (!plane) return;
  m_view.HideCursor();
  const int32_t lastColumn = plane->columns - 1;
  const int32_t lastRow = plane->rows - 1;
  int32_t scrollX = m_view.ScrollX();
  int32_t scrollY = m_view.ScrollY();
  switch (jump) {
    case CursorJump::TopLeft:
      m_cursorColumn = 0, m_cursorRow = 0, scrollX = 0, scrollY = 0;
      break;
    case CursorJump::TopRight:
      m_cursorColumn = lastColumn, m_cursorRow = 0, scrollX = plane->pixelWidth, scrollY = 0;
      break;
    case CursorJump::BottomRight:
      m_cursorColumn = lastColumn, m_cursorRow = lastRow;
      scrollX = plane->pixelWidth, scrollY = plane->pixelHeight;
      break;
    case CursorJump::BottomLeft:
      m_cursorColumn = 0, m_cursorRow = lastRow, scrollX = 0, scrollY = plane->pixelHeight;
      break;
    case CursorJump::RowStart:
      m_cursorColumn = 0, scrollX = 0;
      break;
    case CursorJump::RowEnd:
      m_cursorColumn = lastColumn, scrollX = plane->pixelWidth;
      break;
    case CursorJump::ColumnStart:
      m_cursorRow = 0, scrollY = 0;
      break;
    case CursorJump::ColumnEnd:
      m_cursorRow = lastRow, scrollY = plane->pixelHeight;
      break;
  }
  m_view.SetScroll(scrollX, scrollY);
  m_view.RefreshView();
}

void TileMode::AdvanceAutoCursor() {
  if (m_autoCursor) StepCursor(CursorStep::Right);
}

void TileMode::RegisterCommands(CommandTable& table) {
  // The cursor entries are always enabled; without a current plane they do nothing.
  const struct {
    CommandId id;
    CursorStep step;
  } steps[] = {
      {cmd::kCursorLeft, CursorStep::Left},
      {cmd::kCursorRight, CursorStep::Right},
      {cmd::kCursorUp, CursorStep::Up},
      {cmd::kCursorDown, CursorStep::Down},
  };
  for (const auto& entry : steps) {
    const CursorStep step = entry.step;
    table.On(entry.id, [this, step] { StepCursor(step); });
  }
  const struct {
    CommandId id;
    CursorJump jump;
  } jumps[] = {
      {cmd::kCursorTopLeft, CursorJump::TopLeft},         {cmd::kCursorTopRight, CursorJump::TopRight},
      {cmd::kCursorBottomRight, CursorJump::BottomRight}, {cmd::kCursorBottomLeft, CursorJump::BottomLeft},
      {cmd::kCursorRowStart, CursorJump::RowStart},       {cmd::kCursorRowEnd, CursorJump::RowEnd},
      {cmd::kCursorColumnStart, CursorJump::ColumnStart}, {cmd::kCursorColumnEnd, CursorJump::ColumnEnd},
  };
  for (const auto& entry : jumps) {
    const CursorJump jump = entry.jump;
    table.On(entry.id, [this, jump] { JumpCursor(jump); });
  }

  m_tools.RegisterCommands(table);
  table.On(cmd::kAutoCursor, [this] { OnToggleAutoCursor(); });
  table.OnUpdate(cmd::kAutoCursor, [this](CommandState& state) {
    state.Enable(true);
    state.SetCheck(AutoCursor());
  });
}

}  // namespace vyr
