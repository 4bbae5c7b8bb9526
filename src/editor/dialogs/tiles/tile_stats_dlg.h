// The Qt face of the "Statystyki Klocków" dialog.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "commands/tiles/tile_stats_dialog.h"
#include "editor/model_dialog.h"

class QListWidget;
class QPlainTextEdit;

namespace vyr {

class CTileStatsDlg final : public CModelDlg {
 public:
  CTileStatsDlg(CTileStatsDialog& model, IInteractionPort& port, QWidget* parent);

 protected:
  void Load() override;
  void Store() override;

 private:
  CTileStatsDialog& m_model;
  std::vector<std::pair<QListWidget*, std::vector<std::string>*>> m_lists;
  std::vector<std::pair<QLineEdit*, std::string*>> m_totals;
  QPlainTextEdit* m_script;
};

}  // namespace vyr
