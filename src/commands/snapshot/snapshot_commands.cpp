// The map snapshot command: runs "Robienie Mapshota".
#include "commands/snapshot/snapshot_commands.h"

#include "commands/snapshot/mapshot_dialog.h"
#include "platform/command_ids.h"
#include "world/world_doc.h"

namespace vyr {

void RegisterSnapshotCommands(CommandTable& table, CWorldDoc& doc) {
  CWorldDoc* d = &doc;
  table.On(cmd::kMapshot, [d] {
    CMapshotDialog dialog(*d);
    d->Interaction().RunDialog(dialog);
  });
  table.OnUpdate(cmd::kMapshot, [](CommandState& state) { state.Enable(true); });
}

}  // namespace vyr
