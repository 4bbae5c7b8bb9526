// The "Informacje Świata" dialog's controls and their binding to the model.
#include "editor/dialogs/world/world_info_dlg.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "editor/dialog_look.h"
#include "editor/ui_text.h"

namespace vyr {

namespace {

constexpr int kCreated = CWorldInfoDialog::kCreatedControl, kCompressed = CWorldInfoDialog::kCompressedControl,
              kGame = CWorldInfoDialog::kGamePathControl, kPlanes = CWorldInfoDialog::kPlaneCountControl,
              kObjects = CWorldInfoDialog::kObjectCountControl;
constexpr const int (&kImageSet)[4] = CWorldInfoDialog::kImageSetControls;
constexpr const int (&kPrefix)[4] = CWorldInfoDialog::kPrefixControls;

}  // namespace

CWorldInfoDlg::CWorldInfoDlg(CWorldInfoDialog& model, IInteractionPort& port, QWidget* parent)
    : CWorldHeaderDlg(model, port, parent), m_model(model) {
  setWindowTitle(UiText("Informacje Świata"));
  auto edit = [this](int id, bool upper = false, bool readOnly = false) {
    auto* line = new QLineEdit(this);
    Bind(id, line);
    if (upper) UppercaseTyping(line);
    if (readOnly) ShowReadOnly(line);
    return line;
  };
  auto group = [this](const char* title) {
    auto* box = new QGroupBox(UiText(title), this);
    return std::make_pair(box, new QFormLayout(box));
  };

  auto [info, infoForm] = group("Informacje");
  infoForm->addRow(UiText("Nazwa:"), edit(kName));
  infoForm->addRow(UiText("Autor:"), edit(kAuthor));
  infoForm->addRow(UiText("Powstał:"), edit(kCreated, false, true));

  // Archive and game are files of this computer, whose names may need lower case.
  auto [files, filesForm] = group("Pliki");
  filesForm->addRow(UiText("Plik 'Rez':"), WithBrowseButton(kArchive, edit(kArchive), kArchiveTitle, kArchiveFilter));
  QLineEdit* images = edit(kImages, true);
  QLineEdit* palette = edit(kPalette, true);
  WidenToText(images);
  WidenToText(palette);
  filesForm->addRow(UiText("Obrazy:"), images);
  filesForm->addRow(UiText("Palety:"), palette);

  auto [positions, positionsForm] = group("Pozycje");
  QLineEdit* startX = edit(kStartX);
  QLineEdit* startY = edit(kStartY);
  SignedDigitsOnly(startX);
  SignedDigitsOnly(startY);
  positionsForm->addRow(UiText("Start X:"), startX);
  positionsForm->addRow(UiText("Start Y:"), startY);

  auto [flags, flagsForm] = group("Flagi");
  auto* useZ = new QCheckBox(UiText("Użyj Z"), this);
  auto* compressed = new QCheckBox(UiText("Kompresja"), this);
  Bind(kUseZ, useZ);
  Bind(kCompressed, compressed);
  flagsForm->addRow(useZ);
  flagsForm->addRow(compressed);

  auto* sets = new QGroupBox(UiText("ImageSety"), this);
  auto* setsGrid = new QGridLayout(sets);
  for (int i = 0; i < 4; ++i) {
    const QString n = QString::number(i + 1);
    setsGrid->addWidget(new QLabel(UiText("ImageSet %1:").arg(n), sets), i, 0);
    setsGrid->addWidget(edit(kImageSet[i], true), i, 1);
    setsGrid->addWidget(new QLabel(UiText("Prefiks %1:").arg(n), sets), i, 2);
    setsGrid->addWidget(edit(kPrefix[i], true), i, 3);
  }

  auto [other, otherForm] = group("Inne");
  otherForm->addRow(UiText("Gra:"),
                    WithBrowseButton(kGame, edit(kGame), "Gra", "Wszystkie (*)|*||", PathKind::CommandLine));
  otherForm->addRow(UiText("Ilość Planów:"), edit(kPlanes, false, true));
  otherForm->addRow(UiText("Ilość Objektów:"), edit(kObjects, false, true));

  // The files get the whole width, so that their paths show whole.
  auto* grid = new QGridLayout;
  auto* positionsAndFlags = new QVBoxLayout;
  positionsAndFlags->addWidget(positions);
  positionsAndFlags->addWidget(flags);
  grid->addWidget(info, 0, 0);
  grid->addLayout(positionsAndFlags, 0, 1);
  grid->addWidget(files, 1, 0, 1, 2);
  grid->addWidget(sets, 2, 0, 1, 2);
  grid->addWidget(other, 3, 0, 1, 2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  AddButtons(layout);
}

void CWorldInfoDlg::Load() {
  LoadHeader();
  Edit(kCreated)->setText(FromBytes(m_model.m_created));
  Check(kCompressed)->setChecked(m_model.m_compressed);
  for (int i = 0; i < 4; ++i) {
    Edit(kImageSet[i])->setText(FromBytes(m_model.m_imageSets[size_t(i)]));
    Edit(kPrefix[i])->setText(FromBytes(m_model.m_prefixes[size_t(i)]));
  }
  Edit(kGame)->setText(FromBytes(m_model.m_gamePath));
  Edit(kPlanes)->setText(FromBytes(m_model.m_planeCount));
  Edit(kObjects)->setText(FromBytes(m_model.m_objectCount));
}

void CWorldInfoDlg::Store() {
  StoreHeader();
  m_model.m_compressed = Check(kCompressed)->isChecked();
  for (int i = 0; i < 4; ++i) {
    m_model.m_imageSets[size_t(i)] = ToBytes(Edit(kImageSet[i])->text());
    m_model.m_prefixes[size_t(i)] = ToBytes(Edit(kPrefix[i])->text());
  }
  m_model.m_gamePath = ToBytes(Edit(kGame)->text());
}

}  // namespace vyr
