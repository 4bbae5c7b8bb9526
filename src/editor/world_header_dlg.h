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
  static constexpr int kName = 1000, kAuthor = 1001, kArchive = 1003, kImages = 1004, kPalette = 1006,
                       kStartX = 1005, kStartY = 1002, kUseZ = 1029;

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
