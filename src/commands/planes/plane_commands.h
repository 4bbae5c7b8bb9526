// The plane area's commands ("&Warstwy": new plane, plane information, the planes list).
#pragma once

#include "platform/command_table.h"

namespace vyr {

class CWorldDoc;

// Enters "Dod&aj...", "&Informacje" and "&Warstwy..." in `table`. "&Usuń" stays without a
// handler (planes are removed in "Warstwy w świecie") and so shows disabled.
void RegisterPlaneCommands(CommandTable& table, CWorldDoc& doc);

}  // namespace vyr
