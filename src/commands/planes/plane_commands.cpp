// The plane area's command handlers; the plane dialogs' models live beside this file.
#include "commands/planes/plane_commands.h"

namespace vyr {

void RegisterPlaneCommands(CommandTable& /*table*/, CWorldDoc& /*doc*/) {}

}  // namespace vyr
