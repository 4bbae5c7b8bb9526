// The Qt face of the "Robienie Mapshota" dialog.
#pragma once

#include <utility>
#include <vector>

#include "commands/snapshot/mapshot_dialog.h"
#include "editor/model_dialog.h"

class QCheckBox;
class QRadioButton;

namespace vyr {

class CMapshotDlg final : public CModelDlg {
 public:
  CMapshotDlg(CMapshotDialog& model, IInteractionPort& port, QWidget* parent);

 protected:
  void Load() override;
  void Store() override;

 private:
  CMapshotDialog& m_model;
  QLineEdit* m_name;
  QCheckBox* m_objects;
  std::vector<std::pair<int, QRadioButton*>> m_scales;
};

}  // namespace vyr
