// A dialog that shows a field model as a form: one labelled edit per field, in the model's order.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "editor/model_dialog.h"

class QLineEdit;

namespace vyr {

class CFieldFormDlg : public CModelDlg {
 public:
  // `numberEdit` limits what the number fields' edits accept.
  CFieldFormDlg(CFieldDialogModel& model, IInteractionPort& port, QWidget* parent, const QString& caption,
                void (*numberEdit)(QLineEdit*));

 protected:
  void Load() override;
  void Store() override;

 private:
  std::vector<std::pair<QLineEdit*, std::string*>> m_edits;
};

}  // namespace vyr
