// The Qt face of the "Opcje" dialog.
#pragma once

namespace vyr {

// Makes the interaction port build the options dialog for its model.
void RegisterOptionsDlg();

}  // namespace vyr
