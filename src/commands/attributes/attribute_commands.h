// The tile attribute commands of the "&Klocki" menu: "&Informacje..." and "Zmień Artrybuty...".
#pragma once

#include "platform/command_table.h"

namespace vyr {

class CWorldDoc;

void RegisterAttributeCommands(CommandTable& table, CWorldDoc& doc);

}  // namespace vyr
