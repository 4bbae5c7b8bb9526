// The Qt faces of the view's navigation dialogs: "Idź Do X,Y" (template 163) and "Ustawianie Dodatkowych Ruchów" (167).
#pragma once

#include "commands/modes/navigation_dialogs.h"
#include "editor/model_dialog.h"

class QCheckBox;
class QLineEdit;

namespace vyr {

class CGoToDlg : public CModelDlg {
 public:
  CGoToDlg(CGoToDialog& model, IInteractionPort& port, QWidget* parent);

 protected:
  void Load() override;
  void Store() override;

 private:
  CGoToDialog& m_model;
  QLineEdit* m_x;
  QLineEdit* m_y;
  QCheckBox* m_storeWarp;
};

class CCustomMovesDlg : public CModelDlg {
 public:
  CCustomMovesDlg(CCustomMovesDialog& model, IInteractionPort& port, QWidget* parent);

 protected:
  void Load() override;
  void Store() override;

 private:
  CCustomMovesDialog& m_model;
  QLineEdit* m_left;
  QLineEdit* m_right;
  QLineEdit* m_up;
  QLineEdit* m_down;
};

}  // namespace vyr
