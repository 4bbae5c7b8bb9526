// The Qt faces of the object bulk dialogs: scale positions, the replacements and "Zmiana Z".
#pragma once

namespace vyr {

// Makes the interaction port build each object bulk dialog for its model's template number.
void RegisterObjectBulkDialogs();

}  // namespace vyr
