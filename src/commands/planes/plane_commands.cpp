// The plane area's command handlers; the plane dialogs' models live beside this file.
#include "commands/planes/plane_commands.h"

#include "commands/planes/new_plane_dialog.h"
#include "commands/planes/plane_info_dialog.h"
#include "commands/planes/planes_dialog.h"
#include "platform/command_ids.h"
#include "world/world.h"
#include "world/world_doc.h"

namespace vyr {

void RegisterPlaneCommands(CommandTable& table, CWorldDoc& doc) {
  table.On(cmd::kPlaneAdd, [&doc] {
    if (doc.HasLoadedWorld()) RunNewPlaneDialog(doc);
  });
  table.OnUpdate(cmd::kPlaneAdd, [&doc](CommandState& state) { state.Enable(doc.HasLoadedWorld()); });

  table.On(cmd::kPlaneInfo, [&doc] { RunPlaneInfoDialog(doc); });
  table.OnUpdate(cmd::kPlaneInfo, [&doc](CommandState& state) { state.Enable(doc.CurrentPlane() != nullptr); });

  table.On(cmd::kPlanes, [&doc] {
    if (doc.HasLoadedWorld() && doc.World()->PlaneCount() > 0) RunPlanesDialog(doc);
  });
  table.OnUpdate(cmd::kPlanes, [&doc](CommandState& state) {
    state.Enable(doc.HasLoadedWorld() && doc.World()->PlaneCount() > 0);
  });
}

}  // namespace vyr
