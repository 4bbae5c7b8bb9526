// The "Zmiana Artrybutów Klocków" dialog's controls and their binding to the model.
#include "editor/dialogs/attributes/scale_attribs_dlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vyr {

CScaleAttribsDlg::CScaleAttribsDlg(CScaleAttribsDialog& model, IInteractionPort& port, QWidget* parent)
    : CModelDlg(model, port, parent), m_model(model) {
  setWindowTitle(Text("Zmiana Artrybutów Klocków"));
  m_byPercent = new QRadioButton(Text("Procent:"), this);
  m_bySize = new QRadioButton(Text("Wymiary:"), this);
  m_percent = new QLineEdit(this);
  m_width = new QLineEdit(this);
  m_height = new QLineEdit(this);
  Bind(ctl::kScaleAttribsByPercent, m_byPercent);
  Bind(ctl::kScaleAttribsBySize, m_bySize);
  Bind(ctl::kScaleAttribsPercent, m_percent);
  Bind(ctl::kScaleAttribsWidth, m_width);
  Bind(ctl::kScaleAttribsHeight, m_height);
  for (QLineEdit* edit : {m_percent, m_width, m_height}) SignedDigitsOnly(edit);
  auto* grid = new QGridLayout;
  grid->addWidget(m_byPercent, 0, 0);
  grid->addWidget(m_percent, 0, 1);
  grid->addWidget(m_bySize, 1, 0);
  grid->addWidget(m_width, 1, 1);
  grid->addWidget(new QLabel(Text("na"), this), 1, 2);
  grid->addWidget(m_height, 1, 3);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  AddButtons(layout);
}

void CScaleAttribsDlg::Load() {
  m_byPercent->setChecked(m_model.m_byPercent);
  m_bySize->setChecked(!m_model.m_byPercent);
  m_percent->setEnabled(m_model.m_byPercent);
  m_width->setEnabled(!m_model.m_byPercent);
  m_height->setEnabled(!m_model.m_byPercent);
  m_percent->setText(FromBytes(m_model.m_percent));
  m_width->setText(FromBytes(m_model.m_width));
  m_height->setText(FromBytes(m_model.m_height));
}

void CScaleAttribsDlg::Store() {
  m_model.m_byPercent = m_byPercent->isChecked();
  m_model.m_percent = ToBytes(m_percent->text());
  m_model.m_width = ToBytes(m_width->text());
  m_model.m_height = ToBytes(m_height->text());
}

}  // namespace vyr
