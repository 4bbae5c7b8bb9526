// One form for every object bulk dialog: a labelled edit per model field, caption from the model.
#include "editor/dialogs/objects/bulk_dlgs.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>
#include <utility>
#include <vector>

#include "commands/objects/bulk_dialogs.h"
#include "editor/model_dialog.h"
#include "editor/qt_interaction_port.h"

namespace vyr {

namespace {

class CObjectFieldsDlg final : public CModelDlg {
 public:
  CObjectFieldsDlg(CFieldDialogModel& model, IInteractionPort& port, QWidget* parent) : CModelDlg(model, port, parent) {
    setWindowTitle(FromUtf8(model.Caption()));
    auto* form = new QFormLayout;
    for (const DialogField& field : model.Fields()) {
      auto* edit = new QLineEdit(this);
      if (field.IsNumber()) SignedDigitsOnly(edit);
      Bind(field.control, edit);
      form->addRow(FromUtf8(field.label), edit);
      m_edits.push_back({edit, field.text});
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    AddButtons(layout);
  }

 protected:
  void Load() override {
    for (const auto& [edit, text] : m_edits) edit->setText(FromBytes(*text));
  }
  void Store() override {
    for (const auto& [edit, text] : m_edits) *text = ToBytes(edit->text());
  }

 private:
  std::vector<std::pair<QLineEdit*, std::string*>> m_edits;
};

template <typename Model>
void Register() {
  QtInteractionPort::RegisterDialog(Model::kTemplateId, [](CDialogModel& model, IInteractionPort& port, QWidget* parent) {
    CObjectFieldsDlg dialog(static_cast<Model&>(model), port, parent);
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
