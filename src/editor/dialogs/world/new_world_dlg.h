// The Qt face of the "Nowy Świat" dialog (template 130).
#pragma once

#include "commands/world/new_world_dialog.h"
#include "editor/dialogs/world/world_header_dlg.h"

namespace vyr {

class CNewWorldDlg : public CWorldHeaderDlg {
 public:
  CNewWorldDlg(CNewWorldDialog& model, IInteractionPort& port, QWidget* parent);

 protected:
  void Load() override;
  void Store() override;
};

}  // namespace vyr
