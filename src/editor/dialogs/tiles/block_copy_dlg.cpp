// The "Block Copy" dialog: a form of its six digit-only number edits.
#include "editor/dialogs/tiles/block_copy_dlg.h"

#include "editor/ui_text.h"

namespace vyr {

CBlockCopyDlg::CBlockCopyDlg(CBlockCopyDialog& model, IInteractionPort& port, QWidget* parent)
    : CFieldFormDlg(model, port, parent, UiText("Block Copy"), DigitsOnly) {}

}  // namespace vyr
