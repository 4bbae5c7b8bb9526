// The Qt face of the "Zmiana Artrybutów Klocków" dialog: by percent or to a size.
#pragma once

#include "commands/attributes/scale_attribs_dialog.h"
#include "editor/model_dialog.h"

class QRadioButton;

namespace vyr {

class CScaleAttribsDlg final : public CModelDlg {
 public:
  CScaleAttribsDlg(CScaleAttribsDialog& model, IInteractionPort& port, QWidget* parent);

 protected:
  void Load() override;
  void Store() override;

 private:
  CScaleAttribsDialog& m_model;
  QRadioButton* m_byPercent;
  QRadioButton* m_bySize;
  QLineEdit* m_percent;
  QLineEdit* m_width;
  QLineEdit* m_height;
};

}  // namespace vyr
