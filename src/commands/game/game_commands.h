// The game area's commands: "Test", its Ctrl+Alt+L form at the mouse, and "&Opcje...".
#pragma once

#include "platform/command_table.h"

namespace vyr {

class CWorldDoc;
class IProcessLauncher;

// Enters the game commands in `table`. Without a launcher the two test commands are left
// out and show disabled. The document and launcher must outlive the table's use.
void RegisterGameCommands(CommandTable& table, CWorldDoc& doc, IProcessLauncher* launcher);

}  // namespace vyr
