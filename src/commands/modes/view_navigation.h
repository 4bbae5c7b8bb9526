// The view's navigation in either mode: scrolling by a tile or by the custom moves, and the go-to commands.
#pragma once

#include "platform/command_table.h"

namespace vyr {

class CWorldViewModel;

// Puts the scroll, custom-move and go-to commands into the view's table. The scrolls move by
// one tile of the current plane or by the custom amount and leave the cursor; "&Idź do
// pozycji..." centres on a typed position (kept as the warp when asked); all of them but
// the go-to dialog do nothing without a current plane.
void RegisterNavigationCommands(CommandTable& table, CWorldViewModel& view);

}  // namespace vyr
