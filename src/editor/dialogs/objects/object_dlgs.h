// The Qt faces of "Edycja Objektu" and its six sub-dialogs.
#pragma once

#include <vector>

#include "commands/objects/object_edit_dialog.h"
#include "editor/model_dialog.h"

class QComboBox;
class QLineEdit;

namespace vyr {

// The main object dialog: no "Anuluj" button; Escape or the close box cancel.
class CObjectEditDlg : public CModelDlg {
 public:
  CObjectEditDlg(CObjectEditDialog& model, IInteractionPort& port, QWidget* parent);

 protected:
  void Load() override;
  void Store() override;

 private:
  struct NameCombo {
    std::string CObjectEditDialog::*text;
    std::vector<std::string> CObjectEditDialog::*names;
    QComboBox* combo;
  };

  CObjectEditDialog& m_model;
  QLineEdit* m_name = nullptr;
  std::vector<NameCombo> m_combos;
  std::vector<QLineEdit*> m_numbers;  // in the order of NumberFields()
};

// Makes the interaction port build each object dialog for its model's template number.
void RegisterObjectDialogs();

}  // namespace vyr
