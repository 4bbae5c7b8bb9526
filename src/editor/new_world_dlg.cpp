// The "Nowy Świat" dialog's controls and their binding to the model.
#include "editor/new_world_dlg.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "editor/qt_interaction_port.h"

namespace vyr {

namespace {

constexpr int kName = 1000, kAuthor = 1001, kArchive = 1003, kImages = 1004, kPalette = 1006, kStartX = 1005,
              kStartY = 1002, kUseZ = 1029;

}  // namespace

CNewWorldDlg::CNewWorldDlg(CNewWorldDialog& model, IInteractionPort& port, QWidget* parent)
    : CModelDlg(model, port, parent), m_model(model) {
  setWindowTitle(Text("Nowy Świat"));
  auto* form = new QFormLayout;
  auto edit = [this, form](int id, const char* label) {
    auto* line = new QLineEdit(this);
    Bind(id, line);
    form->addRow(Text(label), line);
    return line;
  };
  edit(kName, "Nazwa:");
  edit(kAuthor, "Autor:");
  edit(kArchive, "Plik 'Rez':");
  edit(kImages, "Obrazy:");
  edit(kPalette, "Palety:");
  SignedDigitsOnly(edit(kStartX, "Start X:"));
  SignedDigitsOnly(edit(kStartY, "Start Y:"));
  auto* useZ = new QCheckBox(Text("Użyj Z"), this);
  Bind(kUseZ, useZ);
  form->addRow(useZ);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  AddButtons(layout);
}

QLineEdit* CNewWorldDlg::Edit(int id) const { return static_cast<QLineEdit*>(Control(id)); }

void CNewWorldDlg::Load() {
  Edit(kName)->setText(FromBytes(m_model.m_name));
  Edit(kAuthor)->setText(FromBytes(m_model.m_author));
  Edit(kArchive)->setText(FromBytes(m_model.m_archivePath));
  Edit(kImages)->setText(FromBytes(m_model.m_imageDir));
  Edit(kPalette)->setText(FromBytes(m_model.m_palette));
  Edit(kStartX)->setText(FromBytes(m_model.m_startX));
  Edit(kStartY)->setText(FromBytes(m_model.m_startY));
  static_cast<QCheckBox*>(Control(kUseZ))->setChecked(m_model.m_useZ);
}

void CNewWorldDlg::Store() {
  m_model.m_name = ToBytes(Edit(kName)->text());
  m_model.m_author = ToBytes(Edit(kAuthor)->text());
  m_model.m_archivePath = ToBytes(Edit(kArchive)->text());
  m_model.m_imageDir = ToBytes(Edit(kImages)->text());
  m_model.m_palette = ToBytes(Edit(kPalette)->text());
  m_model.m_startX = ToBytes(Edit(kStartX)->text());
  m_model.m_startY = ToBytes(Edit(kStartY)->text());
  m_model.m_useZ = static_cast<QCheckBox*>(Control(kUseZ))->isChecked();
}

void CNewWorldDlg::Register() {
  QtInteractionPort::RegisterDialog(CNewWorldDialog::kTemplateId,
                                    [](CDialogModel& model, IInteractionPort& port, QWidget* parent) {
                                      CNewWorldDlg dialog(static_cast<CNewWorldDialog&>(model), port, parent);
                                      return dialog.Run();
                                    });
}

}  // namespace vyr
