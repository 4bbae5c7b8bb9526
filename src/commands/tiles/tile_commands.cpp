// The tile area's command handlers; the tile dialogs' models live beside this file.
#include "commands/tiles/tile_commands.h"

namespace vyr {

void RegisterTileCommands(CommandTable& /*table*/, CWorldDoc& /*doc*/) {}

}  // namespace vyr
