// The Qt face of the object bulk dialogs: scale positions, the replacements and "Zmiana Z".
#pragma once

#include "editor/dialogs/field_form_dlg.h"

namespace vyr {

// A form of the model's fields under the model's caption.
class CObjectBulkDlg final : public CFieldFormDlg {
 public:
  CObjectBulkDlg(CFieldDialogModel& model, IInteractionPort& port, QWidget* parent);
};

}  // namespace vyr
