// The Qt face of the "Robienie Mapshota" dialog.
#pragma once

namespace vyr {

// Makes the interaction port build the snapshot dialog for its model's template number.
void RegisterMapshotDlg();

}  // namespace vyr
