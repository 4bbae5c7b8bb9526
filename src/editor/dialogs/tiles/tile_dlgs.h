// The Qt faces of the tile dialogs: "Wypełnienie", "Block Copy", "Zmiana", "Statystyki
// Klocków" and the scrollable report box.
#pragma once

namespace vyr {

// Makes the interaction port build each tile dialog for its model's template number.
void RegisterTileDialogs();

}  // namespace vyr
