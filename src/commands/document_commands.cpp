// The areas whose commands the document handles, registered in one place.
#include "commands/document_commands.h"

#include "commands/attributes/attribute_commands.h"
#include "commands/game/game_commands.h"
#include "commands/objects/shortcut_commands.h"
#include "commands/objects/object_commands.h"
#include "commands/planes/plane_commands.h"
#include "commands/snapshot/snapshot_commands.h"
#include "commands/tiles/tile_commands.h"
#include "commands/world/recovery_commands.h"
#include "commands/world/world_commands.h"
#include "world/world_doc.h"

namespace vyr {

void RegisterDocumentCommands(CWorldDoc& doc, IProcessLauncher* launcher) {
  RegisterWorldCommands(doc.Commands(), doc);
  RegisterPlaneCommands(doc.Commands(), doc);
  RegisterTileCommands(doc.Commands(), doc);
  RegisterShortcutCommands(doc.Commands(), doc);
  RegisterObjectCommands(doc.Commands(), doc);
  RegisterAttributeCommands(doc.Commands(), doc);
  RegisterSnapshotCommands(doc.Commands(), doc);
  RegisterGameCommands(doc.Commands(), doc, launcher);
  RegisterRecoveryCommands(doc.Commands(), doc);
}

}  // namespace vyr
