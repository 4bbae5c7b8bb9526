// The dialogs each area's models run through the interaction port.
#include "editor/dialogs/document_dialogs.h"

#include "editor/dialogs/attributes/attribute_dlgs.h"
#include "editor/dialogs/game/options_dlg.h"
#include "editor/dialogs/objects/default_shortcut_dlgs.h"
#include "editor/dialogs/objects/bulk_dlgs.h"
#include "editor/dialogs/objects/object_dlgs.h"
#include "editor/dialogs/planes/plane_dlg.h"
#include "editor/dialogs/planes/planes_dlg.h"
#include "editor/dialogs/snapshot/mapshot_dlg.h"
#include "editor/dialogs/tiles/navigation_dlgs.h"
#include "editor/dialogs/tiles/tile_dlgs.h"
#include "editor/dialogs/world/add_image_sets_dlg.h"
#include "editor/dialogs/world/new_world_dlg.h"
#include "editor/dialogs/world/world_info_dlg.h"

namespace vyr {

void RegisterDocumentDialogs() {
  CNewWorldDlg::Register();
  CWorldInfoDlg::Register();
  CAddImageSetsDlg::Register();
  CPlaneDlg::Register();
  CPlanesDlg::Register();
  RegisterNavigationDialogs();
  RegisterTileDialogs();
  RegisterDefaultShortcutDialogs();
  RegisterObjectBulkDialogs();
  RegisterObjectDialogs();
  RegisterAttributeDialogs();
  RegisterMapshotDlg();
  RegisterOptionsDlg();
}

}  // namespace vyr
