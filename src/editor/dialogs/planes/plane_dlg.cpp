// The plane form: name, sizes, movement, colour, Z, image sets and flags, bound to the model.
#include "editor/dialogs/planes/plane_dlg.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "commands/planes/plane_info_dialog.h"
#include "editor/ui_text.h"

namespace vyr {

namespace {

using Model = CPlaneDialog;

// A titled group of two labelled number edits.
QGroupBox* PairGroup(QWidget* parent, const char* title, QLineEdit* first, const char* firstLabel,
                     QLineEdit* second, const char* secondLabel) {
  auto* group = new QGroupBox(UiText(title), parent);
  auto* form = new QFormLayout(group);
  form->addRow(UiText(firstLabel), first);
  form->addRow(UiText(secondLabel), second);
  return group;
}

}  // namespace

CPlaneDlg::CPlaneDlg(CPlaneDialog& model, IInteractionPort& port, QWidget* parent, const char* caption,
                     bool statistics)
    : CModelDlg(model, port, parent), m_model(model) {
  setWindowTitle(UiText(caption));
  auto edit = [this](int id, std::string Model::*field, bool number) {
    auto* line = new QLineEdit(this);
    Bind(id, line);
    if (number) SignedDigitsOnly(line);
    m_edits.push_back({field, line});
    return line;
  };
  QLineEdit* name = edit(Model::kNameControl, &Model::m_name, false);
  auto* sizes = new QHBoxLayout;
  sizes->addWidget(PairGroup(this, "Wielkość Klocków", edit(Model::kTileWidthControl, &Model::m_tileWidth, true), "Dł:",
                             edit(Model::kTileHeightControl, &Model::m_tileHeight, true), "Wys:"));
  sizes->addWidget(PairGroup(this, "Wymiary Warstwy", edit(Model::kWidthControl, &Model::m_width, true), "Długość:",
                             edit(Model::kHeightControl, &Model::m_height, true), "Wysokość:"));
  auto* values = new QHBoxLayout;
  values->addWidget(PairGroup(this, "Poruszanie", edit(Model::kMovementXControl, &Model::m_movementX, true), "X %:",
                              edit(Model::kMovementYControl, &Model::m_movementY, true), "Y %:"));
  values->addWidget(PairGroup(this, "Inne", edit(Model::kColourControl, &Model::m_colour, true), "Kolor:",
                              edit(Model::kZControl, &Model::m_z, true), "Z:"));

  auto* setsGroup = new QGroupBox(UiText("ImageSety"), this);
  m_imageSets = new QPlainTextEdit(setsGroup);
  m_imageSets->setTabChangesFocus(true);
  m_imageSets->setMinimumHeight(90);
  Bind(Model::kImageSetsControl, m_imageSets);
  (new QVBoxLayout(setsGroup))->addWidget(m_imageSets);

  auto* flagsGroup = new QGroupBox(UiText("Artrybuty"), this);
  auto* flags = new QVBoxLayout(flagsGroup);
  auto check = [this, flagsGroup, flags](int id, bool Model::*field, const char* label) {
    auto* box = new QCheckBox(UiText(label), flagsGroup);
    Bind(id, box);
    flags->addWidget(box);
    m_checks.push_back({field, box});
  };
  check(Model::kObjectsControl, &Model::m_objects, "Objekty");
  check(Model::kNoImagesControl, &Model::m_noImages, "Bez Obrazów");
  check(Model::kEndlessXControl, &Model::m_endlessX, "Nieskoń. X");
  check(Model::kEndlessYControl, &Model::m_endlessY, "Nieskoń. Y");
  check(Model::kAutoSizeControl, &Model::m_autoSize, "Auto Wielkość");
  flags->addStretch(1);

  auto* lower = new QHBoxLayout;
  lower->addWidget(setsGroup, 1);
  lower->addWidget(flagsGroup);

  auto* layout = new QVBoxLayout(this);
  auto* nameRow = new QFormLayout;
  nameRow->addRow(UiText("Nazwa:"), name);
  layout->addLayout(nameRow);
  layout->addLayout(sizes);
  layout->addLayout(values);
  layout->addLayout(lower, 1);
  if (statistics) {
    auto* button = new QPushButton(UiText("Statystyki..."), this);
    button->setAutoDefault(false);
    Bind(CPlaneInfoDialog::kStatisticsControl, button);
    layout->addWidget(button, 0, Qt::AlignLeft);
  }
  AddButtons(layout);
}

void CPlaneDlg::Load() {
  for (const TextControl& control : m_edits) control.edit->setText(FromBytes(m_model.*control.field));
  for (const CheckControl& control : m_checks) control.box->setChecked(m_model.*control.field);
  m_imageSets->setPlainText(FromBytes(m_model.m_imageSets).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void CPlaneDlg::Store() {
  for (const TextControl& control : m_edits) m_model.*control.field = ToBytes(control.edit->text());
  for (const CheckControl& control : m_checks) m_model.*control.field = control.box->isChecked();
  // Lines as the list was given (CR LF), so an untouched list compares equal.
  m_model.m_imageSets = ToBytes(m_imageSets->toPlainText().replace(QStringLiteral("\n"), QStringLiteral("\r\n")));
}

}  // namespace vyr
