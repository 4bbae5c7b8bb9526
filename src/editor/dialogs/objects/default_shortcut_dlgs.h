// The Qt faces of "Edycja Domyślnych Z" and "Edycja Domyślnych Logik".
#pragma once

#include <array>

#include "commands/objects/default_shortcut_dialogs.h"
#include "editor/model_dialog.h"

class QComboBox;

namespace vyr {

class CDefaultZDlg final : public CModelDlg {
 public:
  CDefaultZDlg(CDefaultZDialog& model, IInteractionPort& port, QWidget* parent);

 protected:
  void Load() override;
  void Store() override;

 private:
  CDefaultZDialog& m_model;
  std::array<QLineEdit*, kShortcutCount> m_edits{};
};

class CDefaultLogicDlg final : public CModelDlg {
 public:
  CDefaultLogicDlg(CDefaultLogicDialog& model, IInteractionPort& port, QWidget* parent);

 protected:
  void Load() override;
  void Store() override;

 private:
  CDefaultLogicDialog& m_model;
  std::array<QComboBox*, kShortcutCount> m_combos{};
};

}  // namespace vyr
