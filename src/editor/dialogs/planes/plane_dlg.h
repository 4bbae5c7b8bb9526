// The Qt face of "Nowa Warstwa" and "Informacje Warstwy": one form over the shared plane fields.
#pragma once

#include "commands/planes/plane_dialog.h"
#include "editor/model_dialog.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vyr {

class CPlaneDlg : public CModelDlg {
 public:
  // `statistics` adds the "Statystyki..." button of the information dialog.
  CPlaneDlg(CPlaneDialog& model, IInteractionPort& port, QWidget* parent, const char* caption, bool statistics);

 protected:
  void Load() override;
  void Store() override;

 private:
  struct TextControl {
    std::string CPlaneDialog::*field;
    QLineEdit* edit;
  };
  struct CheckControl {
    bool CPlaneDialog::*field;
    QCheckBox* box;
  };

  CPlaneDialog& m_model;
  std::vector<TextControl> m_edits;
  std::vector<CheckControl> m_checks;
  QPlainTextEdit* m_imageSets = nullptr;
};

}  // namespace vyr
