// The object area's commands: the edit dialog ("Edytuj"), bulk commands and the clipboard.
#pragma once

#include "platform/command_table.h"

namespace vyr {

class CWorldDoc;

// Enters the document's object commands in `table`.
// "Edytuj" / "&Informacje" edit the selected object of the current plane, or its first
// object when none is selected (the object a double click just made, when one did).
void RegisterObjectCommands(CommandTable& table, CWorldDoc& doc);

}  // namespace vyr
