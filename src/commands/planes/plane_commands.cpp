// The plane area's command handlers; the plane dialogs' models live beside this file.
#include "commands/planes/plane_commands.h"

#include "commands/planes/new_plane_dialog.h"
#include "commands/planes/plane_info_dialog.h"
#include "commands/planes/planes_dialog.h"
#include "commands/world_edit.h"
#include "platform/command_ids.h"
#include "res/step_names.h"
#include "world/world.h"
#include "world/world_doc.h"

namespace vyr {

void RegisterPlaneCommands(CommandTable& table, CWorldDoc& doc) {
  CWorldDoc* d = &doc;
  OnEdit(table, cmd::kPlaneAdd, doc, PlaneStack, res::step::kNewPlane, [d] {
    if (d->HasLoadedWorld()) RunNewPlaneDialog(*d);
  });
  table.OnUpdate(cmd::kPlaneAdd, [d](CommandState& state) { state.Enable(d->HasLoadedWorld()); });

  // A new size changes the current plane's grid as well as its settings.
  const ScopeOf settingsAndGrid = [](const CWorldDoc& document) {
    ChangeScope scope = ChangeScope::Planes();
    scope.cells = document.CurrentPlane();
    return scope;
  };
  OnEdit(table, cmd::kPlaneInfo, doc, settingsAndGrid, res::step::kPlaneInfo, [d] { RunPlaneInfoDialog(*d); });
  table.OnUpdate(cmd::kPlaneInfo, [d](CommandState& state) { state.Enable(d->CurrentPlane() != nullptr); });

  // The moves and removals made in the dialog are one step, which Cancel takes back.
  table.On(cmd::kPlanes, [d] {
    if (!d->HasLoadedWorld() || d->World()->PlaneCount() == 0) return;
    RunCancellableEdit(*d, ChangeScope::Planes(), res::step::kPlanes, [d] { return RunPlanesDialog(*d); });
  });
  table.OnUpdate(cmd::kPlanes, [d](CommandState& state) {
    state.Enable(d->HasLoadedWorld() && d->World()->PlaneCount() > 0);
  });
}

}  // namespace vyr
