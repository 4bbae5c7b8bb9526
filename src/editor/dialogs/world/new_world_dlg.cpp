// The "Nowy Świat" dialog's controls and their binding to the model.
#include "editor/dialogs/world/new_world_dlg.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "editor/ui_text.h"

namespace vyr {

CNewWorldDlg::CNewWorldDlg(CNewWorldDialog& model, IInteractionPort& port, QWidget* parent)
    : CWorldHeaderDlg(model, port, parent) {
  setWindowTitle(UiText("Nowy Świat"));
  auto* form = new QFormLayout;
  auto edit = [this, form](int id, const char* label) {
    auto* line = new QLineEdit(this);
    Bind(id, line);
    form->addRow(UiText(label), id == kArchive ? WithBrowseButton(id, line, kArchiveTitle, kArchiveFilter) : line);
    return line;
  };
  edit(kName, "Nazwa:");
  edit(kAuthor, "Autor:");
  edit(kArchive, "Plik 'Rez':");
  edit(kImages, "Obrazy:");
  edit(kPalette, "Palety:");
  SignedDigitsOnly(edit(kStartX, "Start X:"));
  SignedDigitsOnly(edit(kStartY, "Start Y:"));
  auto* useZ = new QCheckBox(UiText("Użyj Z"), this);
  Bind(kUseZ, useZ);
  form->addRow(useZ);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  AddButtons(layout);
}

void CNewWorldDlg::Load() { LoadHeader(); }

void CNewWorldDlg::Store() { StoreHeader(); }

}  // namespace vyr
