// The "Wypełnienie" dialog's controls and their binding to the model.
#include "editor/dialogs/tiles/fill_dlg.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <utility>

#include "editor/dialog_look.h"
#include "editor/ui_text.h"

namespace vyr {

CFillDlg::CFillDlg(CFillDialog& model, IInteractionPort& port, QWidget* parent)
    : CModelDlg(model, port, parent), m_model(model) {
  setWindowTitle(UiText("Wypełnienie"));
  auto* type = new QGroupBox(UiText("Typ"), this);
  auto* typeLayout = new QVBoxLayout(type);
  auto* whole = new QRadioButton(UiText("Całkowite"), type);
  whole->setChecked(true);
  typeLayout->addWidget(whole);
  for (const char* text : {"Limitowane", "Full"}) {
    auto* other = new QRadioButton(UiText(text), type);
    other->setEnabled(false);
    typeLayout->addWidget(other);
  }

  auto* tile = new QGroupBox(UiText("Klocek"), this);
  auto* tileLayout = new QVBoxLayout(tile);
  m_current = new QRadioButton(tile);
  m_delete = new QRadioButton(UiText("Usuń"), tile);
  m_colour = new QRadioButton(UiText("Kolor"), tile);
  for (auto [id, button] : {std::pair{ctl::kFillCurrent, m_current}, std::pair{ctl::kFillDelete, m_delete},
                            std::pair{ctl::kFillColour, m_colour}}) {
    Bind(id, button);
    tileLayout->addWidget(button);
  }

  auto* cell = new QGroupBox(UiText("Zaznaczenie"), this);
  auto* cellForm = new QFormLayout(cell);
  m_column = new QLineEdit(cell);
  m_row = new QLineEdit(cell);
  ShowReadOnly(m_column);
  ShowReadOnly(m_row);
  cellForm->addRow(UiText("Kolumna:"), m_column);
  cellForm->addRow(UiText("Wiersz:"), m_row);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(type);
  layout->addWidget(tile);
  layout->addWidget(cell);
  AddButtons(layout);
}

void CFillDlg::Load() {
  m_current->setText(FromBytes(m_model.m_currentText));
  m_current->setChecked(m_model.m_tile == ctl::kFillCurrent);
  m_delete->setChecked(m_model.m_tile == ctl::kFillDelete);
  m_colour->setChecked(m_model.m_tile == ctl::kFillColour);
  m_column->setText(FromBytes(m_model.m_column));
  m_row->setText(FromBytes(m_model.m_row));
}

void CFillDlg::Store() {
  m_model.m_tile = m_delete->isChecked() ? ctl::kFillDelete
                   : m_colour->isChecked() ? ctl::kFillColour
                                           : ctl::kFillCurrent;
}

}  // namespace vyr
