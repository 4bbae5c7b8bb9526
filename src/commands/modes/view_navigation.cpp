// The view's navigation commands: tile and custom scrolls, the custom-moves dialog and the go-to commands.
#include "commands/modes/view_navigation.h"

#include <algorithm>
#include <cstdint>

#include "commands/modes/navigation_dialogs.h"
#include "commands/world_view_model.h"
#include "platform/command_ids.h"
#include "platform/saturate.h"

namespace vyr {

namespace {

// Typed amounts may be anything a 32-bit number holds: the sum must not wrap.

void ScrollBy(CWorldViewModel& view, int64_t dx, int64_t dy) {
  view.SetScroll(Saturate(view.ScrollX() + dx), Saturate(view.ScrollY() + dy));
  view.RefreshView();
}

bool HasPlane(const CWorldViewModel& view) { return view.Plane().has_value(); }

bool HasWarp(const CWorldViewModel& view) { return view.WarpX() != -1 && view.WarpY() != -1; }

enum class ScrollStep { Right, Left, Up, Down };

void ScrollByTile(CWorldViewModel& view, ScrollStep step) {
  std::optional<ViewPlane> plane = view.Plane();
  if (!plane) return;
  switch (step) {
    case ScrollStep::Right: ScrollBy(view, plane->tileWidth, 0); break;
    case ScrollStep::Left: ScrollBy(view, -int64_t(plane->tileWidth), 0); break;
    case ScrollStep::Up: ScrollBy(view, 0, -int64_t(plane->tileHeight)); break;
    case ScrollStep::Down: ScrollBy(view, 0, plane->tileHeight); break;
  }
}

void ScrollByCustomMove(CWorldViewModel& view, ScrollStep step) {
  if (!HasPlane(view)) return;
  const CustomMoves& moves = view.Moves();
  switch (step) {
    case ScrollStep::Right: ScrollBy(view, moves.right, 0); break;
    case ScrollStep::Left: ScrollBy(view, -int64_t(moves.left), 0); break;
    case ScrollStep::Up: ScrollBy(view, 0, -int64_t(moves.up)); break;
    case ScrollStep::Down: ScrollBy(view, 0, moves.down); break;
  }
}

void GoToPosition(CWorldViewModel& view) {
  IInteractionPort* port = view.Interaction();
  if (!port) return;
  CGoToDialog dialog;
  if (port->RunDialog(dialog) != DialogResult::Ok) return;
  if (dialog.m_storeWarp) view.SetWarp(dialog.m_resultX, dialog.m_resultY);
  if (dialog.m_resultX != -1 && dialog.m_resultY != -1) view.CenterOn(dialog.m_resultX, dialog.m_resultY);
}

}  // namespace

void RegisterNavigationCommands(CommandTable& table, CWorldViewModel& view) {
  CWorldViewModel* model = &view;
  const struct {
    CommandId tile;
    CommandId custom;
    ScrollStep step;
  } scrolls[] = {
      {cmd::kScrollRight, cmd::kCustomRight, ScrollStep::Right},
      {cmd::kScrollLeft, cmd::kCustomLeft, ScrollStep::Left},
      {cmd::kScrollUp, cmd::kCustomUp, ScrollStep::Up},
      {cmd::kScrollDown, cmd::kCustomDown, ScrollStep::Down},
  };
  for (const auto& entry : scrolls) {
    const ScrollStep step = entry.step;
    table.On(entry.tile, [model, step] { ScrollByTile(*model, step); });
    table.On(entry.custom, [model, step] { ScrollByCustomMove(*model, step); });
  }

  table.On(cmd::kCustomMoves, [model] {
    if (IInteractionPort* port = model->Interaction()) {
      CCustomMovesDialog dialog(model->Moves());
      if (port->RunDialog(dialog) == DialogResult::Ok) model->StoreSettings();
    }
  });

  table.On(cmd::kGoTo, [model] { GoToPosition(*model); });
  table.OnUpdate(cmd::kGoTo, [](CommandState& state) { state.Enable(true); });
  table.On(cmd::kGoToStart, [model] {
    if (!HasPlane(*model) || !model->Document()) return;
    if (std::optional<PixelPoint> start = model->Document()->StartPosition()) model->CenterOn(start->x, start->y);
  });
  table.OnUpdate(cmd::kGoToStart, [model](CommandState& state) { state.Enable(HasPlane(*model)); });
  table.On(cmd::kGoToWarp, [model] {
    if (HasPlane(*model) && HasWarp(*model)) model->CenterOn(model->WarpX(), model->WarpY());
  });
  table.OnUpdate(cmd::kGoToWarp, [model](CommandState& state) { state.Enable(HasPlane(*model) && HasWarp(*model)); });
}

}  // namespace vyr
