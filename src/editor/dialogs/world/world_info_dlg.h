// CWorldInfoDlg: the Qt face of the "Informacje Świata" dialog (template 132).
#pragma once

#include "commands/world/world_info_dialog.h"
#include "editor/dialogs/world/world_header_dlg.h"

namespace vyr {

class CWorldInfoDlg : public CWorldHeaderDlg {
 public:
  CWorldInfoDlg(CWorldInfoDialog& model, IInteractionPort& port, QWidget* parent);

 protected:
  void Load() override;
  void Store() override;

 private:
  CWorldInfoDialog& m_model;
};

}  // namespace vyr
