// The world view's commands: refresh, grid, "Bez Obrazów", all planes, zoom, navigation, then each edit mode's commands and status panes.
#include "commands/view_commands.h"

#include <string>
#include <utility>

#include "commands/modes/view_navigation.h"
#include "commands/world_view_model.h"
#include "platform/command_ids.h"

namespace vyr {

void RegisterViewCommands(CommandTable& table, CWorldViewModel& model) {
  CWorldViewModel* view = &model;

  table.On(cmd::kRefreshView, [view] { view->OnRefreshCommand(); });

  table.On(cmd::kGrid, [view] { view->OnToggleGrid(); });
  table.OnUpdate(cmd::kGrid, [view](CommandState& state) {
    state.Enable(view->GridCommandEnabled());
    state.SetCheck(view->GridOn());
  });

  table.On(cmd::kNoImages, [view] { view->OnToggleNoImages(); });
  table.OnUpdate(cmd::kNoImages, [view](CommandState& state) {
    state.Enable(true);
    state.SetCheck(view->NoImages());
  });

  table.On(cmd::kAllPlanes, [view] { view->OnToggleAllPlanes(); });
  table.OnUpdate(cmd::kAllPlanes, [view](CommandState& state) {
    state.Enable(true);
    state.SetCheck(view->AllPlanes());
  });

  for (const auto& [id, step] : {std::pair{cmd::kZoomIn, 1}, std::pair{cmd::kZoomOut, -1}}) {
    const int direction = step;
    table.On(id, [view, direction] { view->ZoomAtCentre(direction); });
    table.OnUpdate(id, [view, direction](CommandState& state) { state.Enable(view->CanZoom(direction)); });
  }
  table.On(cmd::kZoomActual, [view] { view->ZoomTo(kNoZoom); });
  table.On(cmd::kZoomFit, [view] { view->ZoomToFit(); });
  for (CommandId id : {cmd::kZoomActual, cmd::kZoomFit})
    table.OnUpdate(id, [view](CommandState& state) { state.Enable(view->GridCommandEnabled()); });
  table.OnUpdate(cmd::kPaneZoom, [view](CommandState& state) {
    state.Enable(true);
    state.SetText(view->Zoom().Label());
  });

  // "Ś&wiat": enabled with a loaded world, no action of its own.
  table.On(cmd::kWorldView, [] {});
  table.OnUpdate(cmd::kWorldView, [view](CommandState& state) {
    state.Enable(view->Document() && view->Document()->WorldLoaded());
  });

  RegisterNavigationCommands(table, model);

  // Each mode's own commands, and the texts of the status panes it fills.
  for (IEditMode* mode : model.Modes()) {
    mode->RegisterCommands(table);
    for (CommandId pane : mode->Panes()) {
      table.OnUpdate(pane, [mode, pane](CommandState& state) {
        state.Enable(true);
        state.SetText(mode->PaneText(pane));
      });
    }
  }
}

}  // namespace vyr
