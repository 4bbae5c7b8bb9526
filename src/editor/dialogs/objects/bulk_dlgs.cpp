// The object bulk dialogs: signed numbers, since positions and Z may be negative.
#include "editor/dialogs/objects/bulk_dlgs.h"

#include "editor/ui_text.h"

namespace vyr {

CObjectBulkDlg::CObjectBulkDlg(CFieldDialogModel& model, IInteractionPort& port, QWidget* parent)
    : CFieldFormDlg(model, port, parent, UiText(model.Caption()), SignedDigitsOnly) {}

}  // namespace vyr
