// The Qt faces of "Edycja Domyślnych Z" and "Edycja Domyślnych Logik".
#pragma once

namespace vyr {

// Makes the interaction port build both dialogs for their models' template numbers.
void RegisterDefaultShortcutDialogs();

}  // namespace vyr
