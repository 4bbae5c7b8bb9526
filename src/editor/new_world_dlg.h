// The Qt face of the "Nowy Świat" dialog (template 130).
#pragma once

#include "commands/new_world_dialog.h"
#include "editor/model_dialog.h"

class QCheckBox;
class QLineEdit;

namespace vyr {

class CNewWorldDlg : public CModelDlg {
 public:
  CNewWorldDlg(CNewWorldDialog& model, IInteractionPort& port, QWidget* parent);

  // Makes the interaction port build this dialog for template 130.
  static void Register();

 protected:
  void Load() override;
  void Store() override;

 private:
  QLineEdit* Edit(int id) const;

  CNewWorldDialog& m_model;
};

}  // namespace vyr
