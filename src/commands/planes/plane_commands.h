// The plane area's commands ("&Warstwy": new plane, plane information, the planes list).
#pragma once

#include "platform/command_table.h"

namespace vyr {

class CWorldDoc;

// Enters the plane commands in `table`. None is handled yet: their entries show disabled.
void RegisterPlaneCommands(CommandTable& table, CWorldDoc& doc);

}  // namespace vyr
