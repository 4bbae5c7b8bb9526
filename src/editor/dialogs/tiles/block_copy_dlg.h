// The Qt face of the "Block Copy" dialog.
#pragma once

#include "commands/tiles/block_copy_dialog.h"
#include "editor/dialogs/field_form_dlg.h"

namespace vyr {

class CBlockCopyDlg final : public CFieldFormDlg {
 public:
  CBlockCopyDlg(CBlockCopyDialog& model, IInteractionPort& port, QWidget* parent);
};

}  // namespace vyr
