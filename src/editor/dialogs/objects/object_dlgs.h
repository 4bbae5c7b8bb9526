// The Qt faces of "Edycja Objektu" and its six sub-dialogs.
#pragma once

#include <vector>

#include "commands/objects/object_edit_dialog.h"
#include "editor/model_dialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

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

// "Kwadraty Objektu", "Punkty Objektu", "Wartości 'User'  Objektu", "Inne Opcje Objektu".
class CObjectNumbersDlg : public CModelDlg {
 public:
  // `caption` names which of the four it is.
  CObjectNumbersDlg(CObjectNumbersDialog& model, IInteractionPort& port, QWidget* parent, const char* caption);

 protected:
  void Load() override;
  void Store() override;

 private:
  CObjectNumbersDialog& m_model;
  std::vector<QLineEdit*> m_edits;
};

class CObjectFlagsDlg : public CModelDlg {
 public:
  CObjectFlagsDlg(CObjectFlagsDialog& model, IInteractionPort& port, QWidget* parent);

 protected:
  void Load() override;
  void Store() override;

 private:
  CObjectFlagsDialog& m_model;
  std::vector<std::vector<QCheckBox*>> m_boxes;
};

class CObjectHitsDlg : public CModelDlg {
 public:
  CObjectHitsDlg(CObjectHitsDialog& model, IInteractionPort& port, QWidget* parent);

 protected:
  void Load() override;
  void Store() override;

 private:
  CObjectHitsDialog& m_model;
  std::vector<QRadioButton*> m_types;
  std::vector<QCheckBox*> m_masks;
  QCheckBox* m_all = nullptr;
};

}  // namespace vyr
