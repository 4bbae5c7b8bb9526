// The Qt faces of the tile attribute dialogs: "Informacje Klocków" and "Zmiana Artrybutów Klocków".
#pragma once

namespace vyr {

// Makes the interaction port build both dialogs for their models' template numbers.
void RegisterAttributeDialogs();
void RegisterTileAttribDlg();
void RegisterScaleAttribsDlg();

}  // namespace vyr
