// The "Block Copy" dialog's six number edits and their binding to the model.
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>
#include <utility>
#include <vector>

#include "commands/tiles/block_copy_dialog.h"
#include "editor/dialogs/tiles/tile_dlg_parts.h"
#include "editor/model_dialog.h"

namespace vyr {

namespace {

class CBlockCopyDlg final : public CModelDlg {
 public:
  CBlockCopyDlg(CBlockCopyDialog& model, IInteractionPort& port, QWidget* parent)
      : CModelDlg(model, port, parent), m_model(model) {
    setWindowTitle(Text("Block Copy"));
    auto* form = new QFormLayout;
    for (const DialogField& field : m_model.Fields()) {
      auto* edit = new QLineEdit(this);
      DigitsOnly(edit);
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
  CBlockCopyDialog& m_model;
  std::vector<std::pair<QLineEdit*, std::string*>> m_edits;
};

}  // namespace

void RegisterBlockCopyDlg() { RegisterModelDlg<CBlockCopyDlg, CBlockCopyDialog>(); }

}  // namespace vyr
