// What the model dialogs share: registration with the interaction port and digit-only edits.
#pragma once

#include "editor/qt_interaction_port.h"

class QLineEdit;

namespace vyr {

// Builds `Dialog` for every `Model` the port runs.
template <typename Dialog, typename Model>
void RegisterModelDlg() {
  QtInteractionPort::RegisterDialog(Model::kTemplateId, [](CDialogModel& model, IInteractionPort& port, QWidget* parent) {
    Dialog dialog(static_cast<Model&>(model), port, parent);
    return dialog.Run();
  });
}

// The edit takes digits only, as the number edits of the old dialogs did.
void DigitsOnly(QLineEdit* edit);

void RegisterFillDlg();
void RegisterBlockCopyDlg();
void RegisterReplaceDlg();
void RegisterTileStatsDlg();
void RegisterTextReportDlg();

}  // namespace vyr
