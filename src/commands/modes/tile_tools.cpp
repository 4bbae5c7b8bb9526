// Tile mode's mouse tools: strokes, the cell selection, clipboard and stamp, bucket fill and live repair.
#include "commands/modes/tile_tools.h"

#include <algorithm>
#include <cstdlib>

#include "commands/modes/tile_mode.h"
#include "commands/world_edit.h"
#include "commands/world_view_model.h"
#include "platform/command_ids.h"
#include "platform/interaction_port.h"
#include "platform/message_format.h"
#include "platform/profile.h"
#include "platform/profile_keys.h"
#include "res/messages.h"
#include "res/step_names.h"
#include "world/bucket_fill.h"
#include "world/cell_line.h"
#include "world/plane.h"
#include "world/tile_edits.h"
#include "world/tile_repair.h"
#include "world/world_doc.h"

namespace vyr {

namespace {

constexpr uint32_t kKeyEscape = 0x1B;

CRect Span(CellPoint a, CellPoint b) {
  return {std::min(a.column, b.column), std::min(a.row, b.row), std::max(a.column, b.column),
          std::max(a.row, b.row)};
}


CRect Shifted(const CRect& r, int32_t dx, int32_t dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

}  // namespace

void TileTools::SetProfile(Profile* profile) {
  m_profile = profile;
  if (profile) m_liveRepair = profile->GetProfileInt(profile::kOptions, profile::kLiveRepair, 0) != 0;
}

void TileTools::SetLiveRepair(bool on) {
  m_liveRepair = on;
  if (m_profile) m_profile->WriteProfileInt(profile::kOptions, profile::kLiveRepair, on ? 1 : 0);
}

CPlane* TileTools::Plane() const { return m_doc ? m_doc->CurrentPlane() : nullptr; }

std::optional<int32_t> TileTools::BrushTile() const {
  if (!m_doc || !m_doc->HasCurrentImage()) return std::nullopt;
  return SelectionTile(m_doc->CurrentSet(), m_doc->CurrentImage());
}

void TileTools::Repair(const CRect& cells) {
  if (CPlane* plane = Plane(); plane && m_liveRepair) RepairTilesIn(*plane, cells);
}

void TileTools::ShowChanged(const CRect& cells) {
  // The step is still open: its notice comes when the drag ends, so the view is told now.
  const int32_t reach = m_liveRepair ? 1 : 0;
  m_view.OnWorldChanged(ViewChange{CRect{cells.left - reach, cells.top - reach, cells.right + reach, cells.bottom + reach}});
}

void TileTools::SetSelection(std::optional<CRect> cells) {
  m_selection = cells;
  if (cells && m_view.Interaction())
    m_view.Interaction()->ShowStatus(
        FormatMessage(res::text::kSelectionSize, {cells->right - cells->left + 1, cells->bottom - cells->top + 1}));
  UpdateOverlay();
}

void TileTools::UpdateOverlay() {
  TileOverlay overlay;
  overlay.selection = m_selection;
  if (m_drag == Drag::Move && m_selection)
    overlay.selection = Shifted(*m_selection, m_last.column - m_from.column, m_last.row - m_from.row);
  CPlane* plane = Plane();
  if (plane && plane->InGrid(m_mouse.column, m_mouse.row)) {
    if (m_stamping && !m_clipboard.Empty()) {
      overlay.preview = CRect{m_mouse.column, m_mouse.row, m_mouse.column + m_clipboard.columns - 1,
                              m_mouse.row + m_clipboard.rows - 1};
      overlay.previewTiles = m_matched.Empty() ? m_clipboard.cells : m_matched.cells;
    } else if (std::optional<int32_t> brush = BrushTile(); brush && m_drag != Drag::Select && m_drag != Drag::Move) {
      overlay.preview = CRect{m_mouse.column, m_mouse.row, m_mouse.column, m_mouse.row};
      overlay.previewTiles = {*brush};
      // The panes describe the cell under the cursor; the brush is told as it changes.
      if (brush != m_shownBrush && m_view.Interaction())
        m_view.Interaction()->ShowStatus(
            FormatMessage(res::text::kBrushTile, {uint32_t(*brush) >> 16, uint32_t(*brush) & 0xFFFFu}));
      m_shownBrush = brush;
    }
  }
  const bool same = overlay.selection == m_overlay.selection && overlay.preview == m_overlay.preview &&
                    overlay.previewTiles == m_overlay.previewTiles;
  m_overlay = std::move(overlay);
  if (!same) m_view.Invalidate(false);
}

bool TileTools::OnMouseDown(const PointerInput& input) {
  CPlane* plane = Plane();
  if (!plane || !plane->InGrid(input.cell.column, input.cell.row)) return false;
  m_mouse = input.cell;
  EndDrag();
  const bool control = (input.modifiers & kModControl) != 0;
  const bool shift = (input.modifiers & kModShift) != 0;
  const bool alt = (input.modifiers & kModAlt) != 0;
  m_from = m_last = input.cell;
  m_moved = false;
  if (input.button == MouseButton::Left) {
    if (alt && m_selection && input.cell.column >= m_selection->left && input.cell.column <= m_selection->right &&
        input.cell.row >= m_selection->top && input.cell.row <= m_selection->bottom) {
      m_drag = Drag::Move;
      return true;
    }
    // The design's click still moves the cursor (and Shift/Ctrl pick up the tile).
    if (!(control || shift || alt)) m_drag = Drag::Select;
    return false;
  }
  if (input.button != MouseButton::Right) return false;
  m_mode.MoveCursorTo(input.cell.column, input.cell.row);
  if (m_stamping && !m_clipboard.Empty()) {
    std::vector<std::string> missing;
    m_matched = MatchStampSets(m_clipboard, *plane, missing);
    if (!missing.empty()) {
      std::string names;
      for (const std::string& name : missing) names += (names.empty() ? "" : ", ") + name;
      if (m_view.Interaction()) m_view.Interaction()->ShowStatus(FormatMessage(res::text::kStampSetsMissing, {names}));
      return true;
    }
    m_doc->BeginChange(ChangeScope::Cells(plane), res::step::kStamp);
    m_drag = Drag::Stamp;
    PlaceStampAt(input.cell);
    return true;
  }
  const CommandId command = control ? cmd::kTileFillColour : shift ? cmd::kTileDelete : cmd::kTileInsert;
  m_strokeValue = control ? std::optional<int32_t>(kColourTile) : shift ? std::optional<int32_t>(kEmptyTile) : BrushTile();
  // The click is the design's own command; the step stays open so that a drag joins it.
  m_doc->BeginChange(ChangeScope::Cells(plane), control ? res::step::kColourTile
                                                : shift ? res::step::kDeleteTile
                                                        : res::step::kInsertTile);
  m_drag = Drag::Stroke;
  const bool autoCursor = m_mode.AutoCursor();
  if (autoCursor) m_mode.OnToggleAutoCursor();
  m_passThrough = true;
  m_view.SendCommand(command);
  m_passThrough = false;
  if (autoCursor) m_mode.OnToggleAutoCursor();
  Repair({input.cell.column, input.cell.row, input.cell.column, input.cell.row});
  return true;
}

void TileTools::Paint(CellPoint to) {
  CPlane* plane = Plane();
  if (!plane) return;
  if (!m_moved) m_doc->RenameChange(res::step::kPaint);
  m_moved = true;
  if (m_strokeValue) {
    const int32_t value = *m_strokeValue;
    ForCellsOnLine(m_last.column, m_last.row, to.column, to.row,
                   [&](int32_t c, int32_t r) { m_doc->SetTile(c, r, value); });
  }
  const CRect cells = Span(m_last, to);
  Repair(cells);
  m_last = to;
  m_mode.MoveCursorTo(to.column, to.row);
  ShowChanged(cells);
}

bool TileTools::PlaceStampAt(CellPoint cell) {
  CPlane* plane = Plane();
  if (!plane || m_matched.Empty()) return false;
  const CRect written = PlaceStamp(*plane, m_matched, cell.column, cell.row);
  if (written.right < written.left) return false;
  Repair(written);
  m_last = cell;
  ShowChanged(written);
  return true;
}

bool TileTools::OnMouseMove(const PointerInput& input) {
  const CellPoint previous = m_mouse;
  m_mouse = input.cell;
  CPlane* plane = Plane();
  if (!plane) return false;
  // Cells beyond the plane's edge count as its edge while a drag goes on.
  const CellPoint cell{std::clamp(input.cell.column, 0, plane->Width() - 1),
                       std::clamp(input.cell.row, 0, plane->Height() - 1)};
  switch (m_drag) {
    case Drag::None:
      if (!(previous == m_mouse)) UpdateOverlay();
      return false;
    case Drag::Stroke:
      if (!(cell == m_last)) Paint(cell);
      break;
    case Drag::Stamp:
      if (std::abs(cell.column - m_last.column) >= m_matched.columns || std::abs(cell.row - m_last.row) >= m_matched.rows)
        PlaceStampAt(cell);
      break;
    case Drag::Select:
      if (!(cell == m_from) || m_moved) {
        m_moved = true;
        m_last = cell;
        SetSelection(Span(m_from, cell));
      }
      break;
    case Drag::Move:
      m_last = cell;
      break;
  }
  UpdateOverlay();
  return true;
}

bool TileTools::OnMouseUp(const PointerInput& input) {
  const Drag drag = m_drag;
  if (drag == Drag::None) return false;
  if (drag == Drag::Select && !m_moved && input.button == MouseButton::Left) {
    // A plain click drops the selection.
    m_drag = Drag::None;
    SetSelection(std::nullopt);
    return false;
  }
  if (drag == Drag::Move && input.button == MouseButton::Left && m_selection && m_doc) {
    m_drag = Drag::None;
    const int32_t dx = m_last.column - m_from.column, dy = m_last.row - m_from.row;
    CPlane* plane = Plane();
    if ((dx || dy) && plane) {
      const CRect from = *m_selection, to = Shifted(from, dx, dy);
      RunEdit(*m_doc, ChangeScope::Cells(plane), res::step::kMoveCells, [&] {
        const CellStamp cells = CopyStamp(*plane, from);
        FillCells(*plane, from, kEmptyTile);
        PlaceStamp(*plane, cells, std::max(from.left, 0) + dx, std::max(from.top, 0) + dy);
        Repair(from);
        Repair(to);
      });
      SetSelection(ClipCells(*plane, to));
    }
    UpdateOverlay();
    return true;
  }
  if ((drag == Drag::Stroke || drag == Drag::Stamp) && input.button != MouseButton::Right) return true;
  EndDrag();
  return true;
}

void TileTools::EndDrag() {
  const Drag drag = std::exchange(m_drag, Drag::None);
  if ((drag == Drag::Stroke || drag == Drag::Stamp) && m_doc) m_doc->EndChange();
}

void TileTools::Reset() {
  EndDrag();
  m_selection.reset();
  m_stamping = false;
  m_overlay = {};
}

bool TileTools::CopySelection() {
  CPlane* plane = Plane();
  if (!plane || !m_selection) return false;
  m_clipboard = CopyStamp(*plane, *m_selection);
  if (m_view.Interaction())
    m_view.Interaction()->ShowStatus(FormatMessage(res::text::kCopiedCells, {m_clipboard.columns, m_clipboard.rows}));
  return true;
}

bool TileTools::FillSelection(int32_t value, std::string_view step) {
  CPlane* plane = Plane();
  if (!plane || !m_selection || !m_doc) return false;
  const CRect cells = *m_selection;
  RunEdit(*m_doc, ChangeScope::Cells(plane), step, [&] {
    if (FillCells(*plane, cells, value)) Repair(cells);
  });
  return true;
}

bool TileTools::CutSelection() { return CopySelection() && FillSelection(kEmptyTile, res::step::kCutCells); }

bool TileTools::StartStamp() {
  if (m_clipboard.Empty()) return false;
  m_stamping = true;
  m_matched = {};
  if (CPlane* plane = Plane()) {
    std::vector<std::string> missing;
    m_matched = MatchStampSets(m_clipboard, *plane, missing);
  }
  if (m_view.Interaction())
    m_view.Interaction()->ShowStatus(FormatMessage(res::text::kStampReady, {m_clipboard.columns, m_clipboard.rows}));
  UpdateOverlay();
  return true;
}

bool TileTools::BucketFillAt(CellPoint cell) {
  CPlane* plane = Plane();
  const std::optional<int32_t> brush = BrushTile();
  if (!plane || !brush || !m_doc || !plane->InGrid(cell.column, cell.row)) return false;
  RunEdit(*m_doc, ChangeScope::Cells(plane), res::step::kBucketFill, [&] {
    CRect bounds;
    if (BucketFill(*plane, cell.column, cell.row, *brush, &bounds)) Repair(bounds);
  });
  return true;
}

bool TileTools::OnKeyPress(uint32_t key, uint32_t modifiers) {
  if (!m_doc) return false;
  EndDrag();
  const bool control = (modifiers & (kModControl | kModAlt | kModShift)) == kModControl;
  if (key == kKeyEscape && modifiers == 0) {
    if (m_stamping) {
      m_stamping = false;
    } else if (m_selection) {
      m_selection.reset();
    } else {
      return false;
    }
    UpdateOverlay();
    return true;
  }
  if (!control) return false;
  switch (key) {
    case 'C': return CopySelection();
    case 'X': return CutSelection();
    case 'V': return StartStamp();
    default: return false;
  }
}

void TileTools::RegisterCommands(CommandTable& table) {
  table.On(cmd::kLiveRepair, [this] { SetLiveRepair(!m_liveRepair); });
  table.OnUpdate(cmd::kLiveRepair, [this](CommandState& state) {
    state.Enable(true);
    state.SetCheck(m_liveRepair);
  });
  // At the mouse when it is over the plane, else at the tile cursor.
  table.On(cmd::kBucketFill, [this] {
    int32_t x = 0, y = 0;
    const CPlane* plane = Plane();
    BucketFillAt(m_view.MouseInView(x, y) && plane && plane->InGrid(m_mouse.column, m_mouse.row)
                     ? m_mouse
                     : CellPoint{m_mode.CursorColumn(), m_mode.CursorRow()});
  });
  table.OnUpdate(cmd::kBucketFill, [this](CommandState& state) { state.Enable(Plane() && BrushTile()); });
}

bool TileTools::FillCellSelection(int32_t value) {
  if (!m_selection || m_passThrough || !Plane()) return false;
  return FillSelection(value, value == kEmptyTile ? res::step::kDeleteCells : res::step::kFillCells);
}

}  // namespace vyr
