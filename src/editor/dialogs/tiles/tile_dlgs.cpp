// Registration of the tile dialogs, and the digit-only edit they share.
#include "editor/dialogs/tiles/tile_dlgs.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "editor/dialogs/tiles/tile_dlg_parts.h"

namespace vyr {

void DigitsOnly(QLineEdit* edit) {
  edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
}

void RegisterTileDialogs() {
  RegisterFillDlg();
  RegisterBlockCopyDlg();
  RegisterReplaceDlg();
  RegisterTileStatsDlg();
  RegisterTextReportDlg();
}

}  // namespace vyr
