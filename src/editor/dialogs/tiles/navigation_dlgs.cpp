// The go-to and custom-moves dialogs' edits and check box, bound to their models.
#include "editor/dialogs/tiles/navigation_dlgs.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "editor/ui_text.h"

namespace vyr {

namespace {

// The edits take digits only, so no negative number can be typed.
QLineEdit* DigitsEdit(QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  DigitsOnly(edit);
  return edit;
}

}  // namespace

CGoToDlg::CGoToDlg(CGoToDialog& model, IInteractionPort& port, QWidget* parent)
    : CModelDlg(model, port, parent), m_model(model) {
  setWindowTitle(UiText("Idź Do X,Y"));
  m_x = DigitsEdit(this);
  m_y = DigitsEdit(this);
  m_storeWarp = new QCheckBox(UiText("Zapisz w Warpie"), this);
  Bind(ctl::kGoToX, m_x);
  Bind(ctl::kGoToY, m_y);
  Bind(ctl::kGoToStoreWarp, m_storeWarp);
  auto* form = new QFormLayout;
  form->addRow(UiText("X:"), m_x);
  form->addRow(UiText("Y:"), m_y);
  form->addRow(m_storeWarp);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  AddButtons(layout);
}

void CGoToDlg::Load() {
  m_x->setText(FromBytes(m_model.m_x));
  m_y->setText(FromBytes(m_model.m_y));
  m_storeWarp->setChecked(m_model.m_storeWarp);
}

void CGoToDlg::Store() {
  m_model.m_x = ToBytes(m_x->text());
  m_model.m_y = ToBytes(m_y->text());
  m_model.m_storeWarp = m_storeWarp->isChecked();
}

CCustomMovesDlg::CCustomMovesDlg(CCustomMovesDialog& model, IInteractionPort& port, QWidget* parent)
    : CModelDlg(model, port, parent), m_model(model) {
  setWindowTitle(UiText("Ustawianie Dodatkowych Ruchów"));
  auto* form = new QFormLayout;
  auto edit = [this, form](int id, const char* label) {
    QLineEdit* line = DigitsEdit(this);
    Bind(id, line);
    form->addRow(UiText(label), line);
    return line;
  };
  m_left = edit(ctl::kMoveLeft, "Lewo:");
  m_right = edit(ctl::kMoveRight, "Prawo:");
  m_up = edit(ctl::kMoveUp, "Góra:");
  m_down = edit(ctl::kMoveDown, "Dół:");
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  AddButtons(layout);
}

void CCustomMovesDlg::Load() {
  m_left->setText(FromBytes(m_model.m_left));
  m_right->setText(FromBytes(m_model.m_right));
  m_up->setText(FromBytes(m_model.m_up));
  m_down->setText(FromBytes(m_model.m_down));
}

void CCustomMovesDlg::Store() {
  m_model.m_left = ToBytes(m_left->text());
  m_model.m_right = ToBytes(m_right->text());
  m_model.m_up = ToBytes(m_up->text());
  m_model.m_down = ToBytes(m_down->text());
}

}  // namespace vyr
