// The object area's commands: so far the object edit dialog ("Edytuj", "&Informacje").
#pragma once

#include "platform/command_table.h"

namespace vyr {

class CWorldDoc;

// "Edytuj" / "&Informacje" edit the selected object of the current plane, or its first
// object when none is selected; enabled while the current plane holds objects.
void RegisterObjectCommands(CommandTable& table, CWorldDoc& doc);

}  // namespace vyr
