// The object area's bulk commands and clipboard ("Usuń Wszystkie", "Kopiuj", "Zmień Z..." …).
#pragma once

#include "platform/command_table.h"

namespace vyr {

class CWorldDoc;

// Enters the document's object bulk and clipboard commands in `table`.
void RegisterObjectCommands(CommandTable& table, CWorldDoc& doc);

}  // namespace vyr
