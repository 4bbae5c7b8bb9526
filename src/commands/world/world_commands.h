// The world area's commands: File New, world information, adding image sets, refreshing the archive and the save state.
#pragma once

#include "platform/command_table.h"

namespace vyr {

class CWorldDoc;

// Enters the world commands in `table` and lets the document's resource location retry
// through the world information dialog. The document must outlive the table's use.
void RegisterWorldCommands(CommandTable& table, CWorldDoc& doc);

// File New ("&Nowy...", Ctrl+N): the save question, the new-document step, the
// "Nowy Świat" dialog and the new world's resources. Returns true when a world was made.
bool OnFileNew(CWorldDoc& doc);

}  // namespace vyr
