// The "Statystyki Klocków" dialog: four lists, three totals and the deletion script.
#include "editor/dialogs/tiles/tile_stats_dlg.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <tuple>
#include <vector>

#include "editor/dialog_look.h"
#include "editor/ui_text.h"

namespace vyr {

CTileStatsDlg::CTileStatsDlg(CTileStatsDialog& model, IInteractionPort& port, QWidget* parent)
    : CModelDlg(model, port, parent), m_model(model) {
  setWindowTitle(UiText("Statystyki Klocków"));
  auto* lists = new QGridLayout;
  const struct {
    const char* label;
    int id;
    std::vector<std::string>* lines;
  } columns[] = {
      {"Użyte:", ctl::kStatsUsed, &m_model.m_used},
      {"Ilość", ctl::kStatsCounts, &m_model.m_counts},
      {"Nieużyte:", ctl::kStatsUnused, &m_model.m_unused},
      {"Dostępne:", ctl::kStatsAvailable, &m_model.m_available},
  };
  for (int i = 0; i < 4; ++i) {
    auto* list = new QListWidget(this);
    list->setMinimumHeight(160);
    Bind(columns[i].id, list);
    lists->addWidget(new QLabel(UiText(columns[i].label), this), 0, i);
    lists->addWidget(list, 1, i);
    m_lists.push_back({list, columns[i].lines});
  }
  auto* totals = new QFormLayout;
  for (auto [label, id, text] : {std::tuple{"Wszystkie Użyte:", ctl::kStatsUsedTotal, &m_model.m_usedTotal},
                                 std::tuple{"Wszystkie Nieużyte:", ctl::kStatsUnusedTotal, &m_model.m_unusedTotal},
                                 std::tuple{"Wszystkie Klocki:", ctl::kStatsImagesTotal, &m_model.m_imagesTotal}}) {
    auto* edit = new QLineEdit(this);
    ShowReadOnly(edit);
    Bind(id, edit);
    totals->addRow(UiText(label), edit);
    m_totals.push_back({edit, text});
  }
  m_script = new QPlainTextEdit(this);
  m_script->setReadOnly(true);
  Bind(ctl::kStatsScript, m_script);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(lists);
  layout->addLayout(totals);
  layout->addWidget(new QLabel(UiText("Usunięte / Skrypt"), this));
  layout->addWidget(m_script);
  AddButtons(layout);
}

void CTileStatsDlg::Load() {
  for (const auto& [list, lines] : m_lists) {
    list->clear();
    for (const std::string& line : *lines) list->addItem(FromBytes(line));
  }
  for (const auto& [edit, text] : m_totals) edit->setText(FromBytes(*text));
  m_script->setPlainText(FromBytes(m_model.m_script));
}

void CTileStatsDlg::Store() {}

}  // namespace vyr
