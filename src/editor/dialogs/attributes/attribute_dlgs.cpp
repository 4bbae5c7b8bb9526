// Registration of the tile attribute dialogs with the interaction port.
#include "editor/dialogs/attributes/attribute_dlgs.h"

namespace vyr {

void RegisterAttributeDialogs() {
  RegisterTileAttribDlg();
  RegisterScaleAttribsDlg();
}

}  // namespace vyr
