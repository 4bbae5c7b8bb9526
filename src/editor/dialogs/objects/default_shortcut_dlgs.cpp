// The default Z and default logic dialogs: ten labelled edits or combo boxes bound to their models.
#include "editor/dialogs/objects/default_shortcut_dlgs.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "editor/ui_text.h"

namespace vyr {

namespace {

QString Label(const char* text, int n) { return UiText(text) + QString::number(n) + QLatin1Char(':'); }

}  // namespace

CDefaultZDlg::CDefaultZDlg(CDefaultZDialog& model, IInteractionPort& port, QWidget* parent)
    : CModelDlg(model, port, parent), m_model(model) {
  setWindowTitle(UiText("Edycja Domyślnych Z"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  for (int n = 0; n < kShortcutCount; ++n) {
    m_edits[size_t(n)] = new QLineEdit(this);
    SignedDigitsOnly(m_edits[size_t(n)]);
    Bind(ctl::kDefaultZ[n], m_edits[size_t(n)]);
    form->addRow(Label("Współrzędna Z #", n), m_edits[size_t(n)]);
  }
  layout->addLayout(form);
  AddButtons(layout);
}

void CDefaultZDlg::Load() {
  for (size_t n = 0; n < m_edits.size(); ++n) m_edits[n]->setText(FromBytes(m_model.m_values[n]));
}

void CDefaultZDlg::Store() {
  for (size_t n = 0; n < m_edits.size(); ++n) m_model.m_values[n] = ToBytes(m_edits[n]->text());
}

CDefaultLogicDlg::CDefaultLogicDlg(CDefaultLogicDialog& model, IInteractionPort& port, QWidget* parent)
    : CModelDlg(model, port, parent), m_model(model) {
  setWindowTitle(UiText("Edycja Domyślnych Logik"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  for (int n = 0; n < kShortcutCount; ++n) {
    auto* combo = new QComboBox(this);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    m_combos[size_t(n)] = combo;
    // Bound through its edit, so the length limit and the code-page check apply.
    Bind(ctl::kDefaultLogic[n], combo->lineEdit());
    form->addRow(Label("Logika #", n), combo);
  }
  layout->addLayout(form);
  AddButtons(layout);
}

void CDefaultLogicDlg::Load() {
  for (size_t n = 0; n < m_combos.size(); ++n) {
    QComboBox* combo = m_combos[n];
    combo->clear();
    for (const std::string& name : m_model.m_choices) combo->addItem(FromBytes(name));
    combo->setEditText(FromBytes(m_model.m_logics[n]));
  }
}

void CDefaultLogicDlg::Store() {
  for (size_t n = 0; n < m_combos.size(); ++n) m_model.m_logics[n] = ToBytes(m_combos[n]->currentText());
}

}  // namespace vyr
