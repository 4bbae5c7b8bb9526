// CWorldHeaderDlg: the Qt controls both world dialogs share, copied to and from the model.
#pragma once

#include "commands/world_header_dialog.h"
#include "editor/model_dialog.h"

class QCheckBox;
class QLineEdit;

namespace vyr {

class CWorldHeaderDlg : public CModelDlg {
 protected:
  // Control numbers of the shared fields.
  static constexpr int kName = CWorldHeaderDialog::kNameControl, kAuthor = CWorldHeaderDialog::kAuthorControl,
                       kArchive = CWorldHeaderDialog::kArchivePathControl,
                       kImages = CWorldHeaderDialog::kImageDirControl, kPalette = CWorldHeaderDialog::kPaletteControl,
                       kStartX = CWorldHeaderDialog::kStartXControl, kStartY = CWorldHeaderDialog::kStartYControl,
                       kUseZ = CWorldHeaderDialog::kUseZControl;

  CWorldHeaderDlg(CWorldHeaderDialog& model, IInteractionPort& port, QWidget* parent)
      : CModelDlg(model, port, parent), m_header(model) {}

  // The shared fields; the subclass binds their controls under the numbers above.
  void LoadHeader();
  void StoreHeader();

  QLineEdit* Edit(int id) const;
  QCheckBox* Check(int id) const;

 private:
  CWorldHeaderDialog& m_header;
};

}  // namespace vyr
