// The "Opcje" dialog's controls and their binding to the model.
#include "editor/dialogs/game/options_dlg.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vyr {

COptionsDlg::COptionsDlg(COptionsDialog& model, IInteractionPort& port, QWidget* parent)
    : CModelDlg(model, port, parent), m_model(model) {
  setWindowTitle(Text("Opcje"));
  auto* group = new QGroupBox(Text("Plik 'Rez'"), this);
  auto* groupLayout = new QVBoxLayout(group);
  groupLayout->addWidget(new QLabel(Text("Spróbuj najpierw otworzyć ten plik 'Rez':"), group));
  m_rezFile = new QLineEdit(group);
  m_rezFile->setMinimumWidth(360);
  Bind(COptionsDialog::kRezFileControl, m_rezFile);
  groupLayout->addWidget(m_rezFile);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  AddButtons(layout);
}

void COptionsDlg::Load() { m_rezFile->setText(FromUtf8(m_model.m_rezFile)); }

void COptionsDlg::Store() { m_model.m_rezFile = m_rezFile->text().toStdString(); }

}  // namespace vyr
