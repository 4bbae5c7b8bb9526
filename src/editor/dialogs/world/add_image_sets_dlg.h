// The Qt face of the "Dodawanie Obrazów" dialog: the archive tree and the prefix.
#pragma once

#include "commands/world/add_image_sets_dialog.h"
#include "editor/model_dialog.h"

class QLineEdit;
class QTreeWidget;

namespace vyr {

class CAddImageSetsDlg : public CModelDlg {
 public:
  static constexpr int kTreeControl = CAddImageSetsDialog::kTreeControl;
  static constexpr int kPrefixControl = CAddImageSetsDialog::kPrefixControl;

  CAddImageSetsDlg(CAddImageSetsDialog& model, IInteractionPort& port, QWidget* parent);

  QTreeWidget* Tree() const { return m_tree; }

 protected:
  void Load() override;
  void Store() override;

 private:
  CAddImageSetsDialog& m_model;
  QTreeWidget* m_tree;
  QLineEdit* m_prefix;
};

}  // namespace vyr
