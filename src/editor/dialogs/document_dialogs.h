// Gives every dialog model its Qt dialog, in one table.
#pragma once

namespace vyr {

// Registers the Qt dialog of every dialog template with the Qt interaction port.
void RegisterDocumentDialogs();

}  // namespace vyr
