// The "Robienie Mapshota" dialog's controls and their binding to the model.
#include "editor/dialogs/snapshot/mapshot_dlg.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <utility>
#include <vector>

namespace vyr {

CMapshotDlg::CMapshotDlg(CMapshotDialog& model, IInteractionPort& port, QWidget* parent)
    : CModelDlg(model, port, parent), m_model(model) {
  setWindowTitle(Text("Robienie Mapshota"));
  auto* form = new QFormLayout;
  m_name = new QLineEdit(this);
  m_name->setMinimumWidth(280);
  Bind(ctl::kMapshotName, m_name);
  form->addRow(Text("Nazwa Mapshota:"), m_name);
  m_objects = new QCheckBox(Text("Objekty"), this);
  Bind(ctl::kMapshotObjects, m_objects);
  form->addRow(m_objects);

  auto* scale = new QGroupBox(this);
  auto* scaleLayout = new QHBoxLayout(scale);
  for (auto [id, text] : {std::pair{ctl::kMapshot100, "100%"}, std::pair{ctl::kMapshot50, "50%"},
                          std::pair{ctl::kMapshot25, "25%"}, std::pair{ctl::kMapshot12, "12,5%"}}) {
    auto* button = new QRadioButton(Text(text), scale);
    Bind(id, button);
    scaleLayout->addWidget(button);
    m_scales.emplace_back(id, button);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(scale);
  AddButtons(layout);
}

void CMapshotDlg::Load() {
  m_name->setText(FromUtf8(m_model.m_name));
  m_objects->setChecked(m_model.m_objects);
  for (auto [id, button] : m_scales) button->setChecked(id == m_model.m_scale);
}

void CMapshotDlg::Store() {
  // A path of this machine, not a string of the world file: UTF-8 as the file system takes it.
  m_model.m_name = m_name->text().toStdString();
  m_model.m_objects = m_objects->isChecked();
  for (auto [id, button] : m_scales)
    if (button->isChecked()) m_model.m_scale = id;
}

}  // namespace vyr
