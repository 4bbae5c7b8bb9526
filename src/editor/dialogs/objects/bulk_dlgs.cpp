// The object bulk dialogs: each a form of its model's fields under the model's caption.
#include "editor/dialogs/objects/bulk_dlgs.h"

#include "commands/objects/bulk_dialogs.h"
#include "editor/dialogs/field_form_dlg.h"
#include "editor/qt_interaction_port.h"
#include "editor/ui_text.h"

namespace vyr {

namespace {

template <typename Model>
void Register() {
  QtInteractionPort::RegisterDialog(Model::kTemplateId, [](CDialogModel& model, IInteractionPort& port, QWidget* parent) {
    CFieldFormDlg dialog(static_cast<Model&>(model), port, parent, UiText(model.Caption()), SignedDigitsOnly);
    return dialog.Run();
  });
}

}  // namespace

void RegisterObjectBulkDialogs() {
  Register<CScaleObjectsDialog>();
  Register<CChangeLogicDialog>();
  Register<CChangeImageSetDialog>();
  Register<CLogicByImageSetDialog>();
  Register<CChangeZDialog>();
}

}  // namespace vyr
