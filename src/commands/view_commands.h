// The world view's commands: refresh, grid, "Bez Obrazów", navigation, then each edit mode's commands and status panes.
#pragma once

#include "platform/command_table.h"

namespace vyr {

class CWorldViewModel;

// Puts the view's handlers and update handlers into its command table; the model must
// outlive the table's use.
void RegisterViewCommands(CommandTable& table, CWorldViewModel& model);

}  // namespace vyr
