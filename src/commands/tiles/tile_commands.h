// The tile area's commands ("&Klocki": placing, deleting and filling tiles, undo, the tile dialogs).
#pragma once

#include "platform/command_table.h"

namespace vyr {

class CWorldDoc;

// Enters the tile commands in `table`. None is handled yet: their entries show disabled.
void RegisterTileCommands(CommandTable& table, CWorldDoc& doc);

}  // namespace vyr
