// The "Block Copy" dialog: a form of its six digit-only number edits.
#include "commands/tiles/block_copy_dialog.h"
#include "editor/dialogs/field_form_dlg.h"
#include "editor/dialogs/tiles/tile_dlg_parts.h"
#include "editor/ui_text.h"

namespace vyr {

namespace {

class CBlockCopyDlg final : public CFieldFormDlg {
 public:
  CBlockCopyDlg(CBlockCopyDialog& model, IInteractionPort& port, QWidget* parent)
      : CFieldFormDlg(model, port, parent, UiText("Block Copy"), DigitsOnly) {}
};

}  // namespace

void RegisterBlockCopyDlg() { RegisterModelDlg<CBlockCopyDlg, CBlockCopyDialog>(); }

}  // namespace vyr
