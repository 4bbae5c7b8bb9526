// The Qt face of the "Wypełnienie" dialog: the fill type, the tile and the cell.
#pragma once

#include "commands/tiles/fill_dialog.h"
#include "editor/model_dialog.h"

class QRadioButton;

namespace vyr {

class CFillDlg final : public CModelDlg {
 public:
  CFillDlg(CFillDialog& model, IInteractionPort& port, QWidget* parent);

 protected:
  void Load() override;
  void Store() override;

 private:
  CFillDialog& m_model;
  QRadioButton* m_current;
  QRadioButton* m_delete;
  QRadioButton* m_colour;
  QLineEdit* m_column;
  QLineEdit* m_row;
};

}  // namespace vyr
