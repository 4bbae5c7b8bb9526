// The Qt faces of "Warstwy w świecie" and "Przesuń Warstwę".
#pragma once

#include "commands/planes/move_plane_dialog.h"
#include "commands/planes/planes_dialog.h"
#include "editor/model_dialog.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace vyr {

class CPlanesDlg : public CModelDlg {
 public:
  CPlanesDlg(CPlanesDialog& model, IInteractionPort& port, QWidget* parent);

 protected:
  void Load() override;
  void Store() override;

 private:
  CPlanesDialog& m_model;
  QListWidget* m_list = nullptr;
};

class CMovePlaneDlg : public CModelDlg {
 public:
  CMovePlaneDlg(CMovePlaneDialog& model, IInteractionPort& port, QWidget* parent);

 protected:
  void Load() override;
  void Store() override;

 private:
  CMovePlaneDialog& m_model;
  QLineEdit* m_name = nullptr;
  QLineEdit* m_current = nullptr;
  QLineEdit* m_newPosition = nullptr;
};

}  // namespace vyr
