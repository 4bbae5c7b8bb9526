// The map snapshot command ("Zrób Ma&pshota...", Ctrl+P).
#pragma once

#include "platform/command_table.h"

namespace vyr {

class CWorldDoc;

// Enters the snapshot command in `table`; it is always enabled, with or without a world.
void RegisterSnapshotCommands(CommandTable& table, CWorldDoc& doc);

}  // namespace vyr
