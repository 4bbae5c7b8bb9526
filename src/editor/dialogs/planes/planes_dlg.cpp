// The planes list with its buttons, and the move dialog it opens, bound to their models.
#include "editor/dialogs/planes/planes_dlg.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/ui_text.h"

namespace vyr {

CPlanesDlg::CPlanesDlg(CPlanesDialog& model, IInteractionPort& port, QWidget* parent)
    : CModelDlg(model, port, parent), m_model(model) {
  setWindowTitle(UiText("Warstwy w świecie"));
  m_list = new QListWidget(this);
  m_list->setMinimumSize(220, 180);
  Bind(CPlanesDialog::kListControl, m_list);
  auto* buttons = new QVBoxLayout;
  for (const auto& [id, label] : {std::pair{CPlanesDialog::kSelectControl, "Zaznacz"},
                                  std::pair{CPlanesDialog::kRemoveControl, "Usuń"},
                                  std::pair{CPlanesDialog::kMoveControl, "Przestaw"}}) {
    auto* button = new QPushButton(UiText(label), this);
    button->setAutoDefault(false);
    Bind(id, button);
    buttons->addWidget(button);
  }
  buttons->addStretch(1);
  auto* row = new QHBoxLayout;
  row->addWidget(m_list, 1);
  row->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row, 1);
  AddButtons(layout);
}

void CPlanesDlg::Load() {
  m_list->clear();
  for (const std::string& name : m_model.m_names) m_list->addItem(FromBytes(name));
  m_list->setCurrentRow(m_model.m_selected);
}

void CPlanesDlg::Store() { m_model.m_selected = m_list->currentRow(); }

CMovePlaneDlg::CMovePlaneDlg(CMovePlaneDialog& model, IInteractionPort& port, QWidget* parent)
    : CModelDlg(model, port, parent), m_model(model) {
  setWindowTitle(UiText("Przesuń Warstwę"));
  m_name = new QLineEdit(this);
  m_current = new QLineEdit(this);
  m_newPosition = new QLineEdit(this);
  m_name->setReadOnly(true);
  m_current->setReadOnly(true);
  SignedDigitsOnly(m_newPosition);
  Bind(CMovePlaneDialog::kNameControl, m_name);
  Bind(CMovePlaneDialog::kCurrentControl, m_current);
  Bind(CMovePlaneDialog::kNewControl, m_newPosition);
  auto* form = new QFormLayout;
  form->addRow(UiText("Nazwa:"), m_name);
  form->addRow(UiText("Obecna Pozycja:"), m_current);
  form->addRow(UiText("Nowa Pozycja:"), m_newPosition);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  AddButtons(layout);
}

void CMovePlaneDlg::Load() {
  m_name->setText(FromBytes(m_model.m_name));
  m_current->setText(FromBytes(m_model.m_current));
  m_newPosition->setText(FromBytes(m_model.m_newPosition));
  m_newPosition->setFocus();
}

void CMovePlaneDlg::Store() { m_model.m_newPosition = ToBytes(m_newPosition->text()); }

}  // namespace vyr
