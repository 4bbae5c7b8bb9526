// The one table that gives every dialog model its Qt dialog.
#include "editor/dialogs/document_dialogs.h"

#include "commands/objects/bulk_dialogs.h"
#include "commands/planes/new_plane_dialog.h"
#include "commands/planes/plane_info_dialog.h"
#include "editor/dialogs/attributes/scale_attribs_dlg.h"
#include "editor/dialogs/attributes/tile_attrib_dlg.h"
#include "editor/dialogs/game/options_dlg.h"
#include "editor/dialogs/objects/bulk_dlgs.h"
#include "editor/dialogs/objects/default_shortcut_dlgs.h"
#include "editor/dialogs/objects/object_dlgs.h"
#include "editor/dialogs/planes/plane_dlg.h"
#include "editor/dialogs/planes/planes_dlg.h"
#include "editor/dialogs/snapshot/mapshot_dlg.h"
#include "editor/dialogs/tiles/block_copy_dlg.h"
#include "editor/dialogs/tiles/fill_dlg.h"
#include "editor/dialogs/tiles/navigation_dlgs.h"
#include "editor/dialogs/tiles/replace_dlg.h"
#include "editor/dialogs/tiles/text_report_dlg.h"
#include "editor/dialogs/tiles/tile_stats_dlg.h"
#include "editor/dialogs/world/add_image_sets_dlg.h"
#include "editor/dialogs/world/new_world_dlg.h"
#include "editor/dialogs/world/world_info_dlg.h"
#include "editor/qt_interaction_port.h"

namespace vyr {

namespace {

// The port builds `Dlg` over the `Model` it runs under template `Id`, passing `args` after
// the model, port and parent. `Id` is the model's own number unless one model serves several.
template <typename Model, typename Dlg, int Id = Model::kTemplateId, typename... Args>
void RegisterDialog(Args... args) {
  if constexpr (requires { Model::kTemplateId; }) static_assert(Id == Model::kTemplateId);
  QtInteractionPort::RegisterDialog(Id, [args...](CDialogModel& model, IInteractionPort& port, QWidget* parent) {
    Dlg dialog(static_cast<Model&>(model), port, parent, args...);
    return dialog.Run();
  });
}

}  // namespace

void RegisterDocumentDialogs() {
  RegisterDialog<CNewWorldDialog, CNewWorldDlg>();
  RegisterDialog<CWorldInfoDialog, CWorldInfoDlg>();
  RegisterDialog<CAddImageSetsDialog, CAddImageSetsDlg>();
  RegisterDialog<COptionsDialog, COptionsDlg>();

  RegisterDialog<CNewPlaneDialog, CPlaneDlg>("Nowa Warstwa", false);
  RegisterDialog<CPlaneInfoDialog, CPlaneDlg>("Informacje Warstwy", true);
  RegisterDialog<CPlanesDialog, CPlanesDlg>();
  RegisterDialog<CMovePlaneDialog, CMovePlaneDlg>();

  RegisterDialog<CGoToDialog, CGoToDlg>();
  RegisterDialog<CCustomMovesDialog, CCustomMovesDlg>();
  RegisterDialog<CFillDialog, CFillDlg>();
  RegisterDialog<CBlockCopyDialog, CBlockCopyDlg>();
  RegisterDialog<CReplaceDialog, CReplaceDlg>();
  RegisterDialog<CTileStatsDialog, CTileStatsDlg>();
  RegisterDialog<CTextReportDialog, CTextReportDlg>();
  RegisterDialog<CMapshotDialog, CMapshotDlg>();

  RegisterDialog<CTileAttribDialog, CTileAttribDlg>();
  RegisterDialog<CScaleAttribsDialog, CScaleAttribsDlg>();

  RegisterDialog<CObjectEditDialog, CObjectEditDlg>();
  RegisterDialog<CObjectFlagsDialog, CObjectFlagsDlg, ctl::kObjectFlagsDialog>();
  RegisterDialog<CObjectHitsDialog, CObjectHitsDlg, ctl::kObjectHitsDialog>();
  RegisterDialog<CObjectNumbersDialog, CObjectNumbersDlg, ctl::kObjectRectsDialog>("Kwadraty Objektu");
  RegisterDialog<CObjectNumbersDialog, CObjectNumbersDlg, ctl::kObjectPointsDialog>("Punkty Objektu");
  RegisterDialog<CObjectNumbersDialog, CObjectNumbersDlg, ctl::kObjectUserDialog>("Wartości 'User'  Objektu");
  RegisterDialog<CObjectNumbersDialog, CObjectNumbersDlg, ctl::kObjectOtherDialog>("Inne Opcje Objektu");
  RegisterDialog<CScaleObjectsDialog, CObjectBulkDlg>();
  RegisterDialog<CChangeLogicDialog, CObjectBulkDlg>();
  RegisterDialog<CChangeImageSetDialog, CObjectBulkDlg>();
  RegisterDialog<CLogicByImageSetDialog, CObjectBulkDlg>();
  RegisterDialog<CChangeZDialog, CObjectBulkDlg>();
  RegisterDialog<CDefaultZDialog, CDefaultZDlg>();
  RegisterDialog<CDefaultLogicDialog, CDefaultLogicDlg>();
}

}  // namespace vyr
