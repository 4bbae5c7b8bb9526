// The form dialog's edits and their binding to the model's fields.
#include "editor/dialogs/field_form_dlg.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "editor/ui_text.h"

namespace vyr {

CFieldFormDlg::CFieldFormDlg(CFieldDialogModel& model, IInteractionPort& port, QWidget* parent, const QString& caption,
                             void (*numberEdit)(QLineEdit*))
    : CModelDlg(model, port, parent) {
  setWindowTitle(caption);
  auto* form = new QFormLayout;
  for (const DialogField& field : model.Fields()) {
    auto* edit = new QLineEdit(this);
    if (field.IsNumber()) numberEdit(edit);
    Bind(field.control, edit);
    form->addRow(UiText(field.label), edit);
    m_edits.push_back({edit, field.text});
  }
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  AddButtons(layout);
}

void CFieldFormDlg::Load() {
  for (const auto& [edit, text] : m_edits) edit->setText(FromBytes(*text));
}

void CFieldFormDlg::Store() {
  for (const auto& [edit, text] : m_edits) *text = ToBytes(edit->text());
}

}  // namespace vyr
