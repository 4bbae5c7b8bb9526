// The Qt face of the "Opcje" dialog.
#pragma once

#include "commands/game/options_dialog.h"
#include "editor/model_dialog.h"

namespace vyr {

class COptionsDlg final : public CModelDlg {
 public:
  COptionsDlg(COptionsDialog& model, IInteractionPort& port, QWidget* parent);

 protected:
  // A path of this computer, UTF-8 as the system names it.
  void Load() override;
  void Store() override;

 private:
  COptionsDialog& m_model;
  QLineEdit* m_rezFile;
};

}  // namespace vyr
