// The object dialogs' forms: the main dialog's groups and buttons, number forms, flag boxes and hit radios.
#include "editor/dialogs/objects/object_dlgs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editor/ui_text.h"

namespace vyr {

namespace {

using Model = CObjectEditDialog;

QPushButton* Button(QWidget* parent, const char* text) {
  auto* button = new QPushButton(UiText(text), parent);
  button->setAutoDefault(false);
  return button;
}

// A grid of labelled controls, `columns` pairs a row.
class PairGrid {
 public:
  PairGrid(QGroupBox* group, int columns) : m_grid(new QGridLayout(group)), m_columns(columns) {}
  void Add(const char* label, QLayout* control) {
    const int row = m_count / m_columns, column = (m_count % m_columns) * 2;
    m_grid->addWidget(new QLabel(UiText(label)), row, column);
    m_grid->addLayout(control, row, column + 1);
    ++m_count;
  }

 private:
  QGridLayout* m_grid;
  int m_columns;
  int m_count = 0;
};

QHBoxLayout* Row(QWidget* first, QWidget* second = nullptr) {
  auto* row = new QHBoxLayout;
  row->addWidget(first, 1);
  if (second) row->addWidget(second);
  return row;
}

}  // namespace

CObjectEditDlg::CObjectEditDlg(CObjectEditDialog& model, IInteractionPort& port, QWidget* parent)
    : CModelDlg(model, port, parent), m_model(model) {
  setWindowTitle(UiText("Edycja Objektu"));
  auto numberEdit = [this](int id) {
    auto* edit = new QLineEdit(this);
    SignedDigitsOnly(edit);
    Bind(id, edit);
    return edit;
  };
  for (const ObjectNumber& number : Model::NumberFields()) m_numbers.push_back(numberEdit(number.control));

  auto* identity = new QGroupBox(UiText("Identyfikacja"), this);
  auto* identityForm = new QFormLayout(identity);
  identityForm->addRow(UiText("ID:"), m_numbers[0]);
  m_name = new QLineEdit(identity);
  Bind(ctl::kObjectName, m_name);
  identityForm->addRow(UiText("Nazwa:"), m_name);
  auto combo = [this, identity, identityForm](int id, const char* label, std::string Model::*text,
                                              std::vector<std::string> Model::*names, bool upper) {
    auto* box = new QComboBox(identity);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    // The edit carries the field: its limit and its code page check apply to the name.
    Bind(id, box->lineEdit());
    if (upper) {
      UppercaseTyping(box);
      UppercaseTyping(box->lineEdit());
    }
    identityForm->addRow(UiText(label), box);
    m_combos.push_back({text, names, box});
  };
  combo(ctl::kObjectLogic, "Logika:", &Model::m_logic, &Model::m_logicNames, false);
  combo(ctl::kObjectImageSet, "ImageSet:", &Model::m_imageSet, &Model::m_imageSetNames, true);
  combo(ctl::kObjectAnimation, "Animacja:", &Model::m_animation, &Model::m_animationNames, true);

  auto grid = [this](const char* title, size_t first, size_t last, int columns) {
    auto* group = new QGroupBox(UiText(title), this);
    PairGrid pairs(group, columns);
    for (size_t i = first; i < last; ++i) {
      const int control = Model::NumberFields()[i].control;
      QPushButton* range = nullptr;
      // The small buttons beside "X Min:" and "Y Min:" take the Shift-click range.
      if (control == ctl::kObjectMinX || control == ctl::kObjectMinY) {
        range = Button(group, "");
        range->setFixedWidth(16);
        Bind(control == ctl::kObjectMinX ? ctl::kObjectRangeX : ctl::kObjectRangeY, range);
      }
      pairs.Add(Model::NumberFields()[i].label, Row(m_numbers[i], range));
    }
    return group;
  };
  auto* top = new QHBoxLayout;
  top->addWidget(identity, 1);
  top->addWidget(grid("Współrzędne", 1, 5, 1));
  auto* middle = new QHBoxLayout;
  middle->addWidget(grid("Atrybuty", 5, 11, 2));
  middle->addWidget(grid("Inne", 11, Model::NumberFields().size(), 3), 1);

  auto* subDialogs = new QHBoxLayout;
  for (const auto& [id, text] : {std::pair{ctl::kObjectRects, "Kwad..."}, {ctl::kObjectPointsButton, "Punkty..."},
                                 {ctl::kObjectFlags, "Flagi..."}, {ctl::kObjectHits, "Hity..."},
                                 {ctl::kObjectUser, "User..."}, {ctl::kObjectOther, "Inne..."}}) {
    QPushButton* button = Button(this, text);
    Bind(id, button);
    subDialogs->addWidget(button);
  }
  auto* commands = new QHBoxLayout;
  for (const auto& [id, text] : {std::pair{ctl::kObjectPrev, "<< Poprz"}, {ctl::kObjectNext, "Nast >>"},
                                 {ctl::kObjectCopy, "Kopiuj"}, {ctl::kObjectPaste, "Wklej"},
                                 {ctl::kObjectDelete, "Usuń"}}) {
    QPushButton* button = Button(this, text);
    Bind(id, button);
    // Copying and pasting have no action here.
    button->setEnabled(id != ctl::kObjectCopy && id != ctl::kObjectPaste);
    commands->addWidget(button);
  }
  commands->addStretch(1);
  auto* ok = new QPushButton(UiText("OK"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  commands->addWidget(ok);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(middle);
  layout->addLayout(subDialogs);
  layout->addLayout(commands);
}

void CObjectEditDlg::Load() {
  m_name->setText(FromBytes(m_model.m_name));
  for (const NameCombo& combo : m_combos) {
    combo.combo->clear();
    for (const std::string& name : m_model.*combo.names) combo.combo->addItem(FromBytes(name));
    combo.combo->setEditText(FromBytes(m_model.*combo.text));
  }
  for (size_t i = 0; i < m_numbers.size(); ++i) m_numbers[i]->setText(FromBytes(m_model.m_numbers[i]));
}

void CObjectEditDlg::Store() {
  m_model.m_name = ToBytes(m_name->text());
  for (const NameCombo& combo : m_combos) m_model.*combo.text = ToBytes(combo.combo->currentText());
  for (size_t i = 0; i < m_numbers.size(); ++i) m_model.m_numbers[i] = ToBytes(m_numbers[i]->text());
}

CObjectNumbersDlg::CObjectNumbersDlg(CObjectNumbersDialog& model, IInteractionPort& port, QWidget* parent,
                                     const char* caption)
    : CModelDlg(model, port, parent), m_model(model) {
  setWindowTitle(UiText(caption));
  auto* layout = new QVBoxLayout(this);
  const std::vector<ObjectNumber>& numbers = model.Numbers();
  for (const ObjectNumber& number : numbers) {
    auto* edit = new QLineEdit(this);
    SignedDigitsOnly(edit);
    edit->setEnabled(number.stored);
    Bind(number.control, edit);
    m_edits.push_back(edit);
  }
  if (model.TemplateId() == ctl::kObjectRectsDialog) {
    static constexpr const char* kGroups[6] = {"Ruch", "Szkody", "Atak", "Klipy", "User1", "User2"};
    for (int r = 0; r < 6; ++r) {
      auto* group = new QGroupBox(UiText(kGroups[r]), this);
      auto* row = new QHBoxLayout(group);
      for (int b = 0; b < 2; ++b) {
        QPushButton* button = Button(group, b == 0 ? "X" : "Y");
        button->setFixedWidth(24);
        Bind(ctl::kObjectRectButtons[r][b], button);
        row->addWidget(button);
      }
      for (int s = 0; s < 4; ++s) {
        row->addWidget(new QLabel(UiText(numbers[size_t(r * 4 + s)].label), group));
        row->addWidget(m_edits[size_t(r * 4 + s)]);
      }
      layout->addWidget(group);
    }
  } else {
    auto* form = new QFormLayout;
    for (size_t i = 0; i < numbers.size(); ++i) form->addRow(UiText(numbers[i].label), m_edits[i]);
    layout->addLayout(form);
  }
  AddButtons(layout);
}

void CObjectNumbersDlg::Load() {
  for (size_t i = 0; i < m_edits.size(); ++i) m_edits[i]->setText(FromBytes(m_model.m_texts[i]));
}

void CObjectNumbersDlg::Store() {
  for (size_t i = 0; i < m_edits.size(); ++i) m_model.m_texts[i] = ToBytes(m_edits[i]->text());
}

CObjectFlagsDlg::CObjectFlagsDlg(CObjectFlagsDialog& model, IInteractionPort& port, QWidget* parent)
    : CModelDlg(model, port, parent), m_model(model) {
  setWindowTitle(UiText("Flagi Objektu"));
  auto* layout = new QVBoxLayout(this);
  auto* groups = new QHBoxLayout;
  for (const CObjectFlagsDialog::Group& group : CObjectFlagsDialog::Groups()) {
    auto* box = new QGroupBox(UiText(group.title), this);
    auto* column = new QVBoxLayout(box);
    std::vector<QCheckBox*> checks;
    for (const ObjectBit& bit : group.bits) {
      auto* check = new QCheckBox(UiText(bit.label), box);
      Bind(bit.control, check);
      column->addWidget(check);
      checks.push_back(check);
    }
    column->addStretch(1);
    groups->addWidget(box);
    m_boxes.push_back(std::move(checks));
  }
  layout->addLayout(groups);
  AddButtons(layout);
}

void CObjectFlagsDlg::Load() {
  for (size_t g = 0; g < m_boxes.size(); ++g)
    for (size_t b = 0; b < m_boxes[g].size(); ++b) m_boxes[g][b]->setChecked(m_model.m_checked[g][b]);
}

void CObjectFlagsDlg::Store() {
  for (size_t g = 0; g < m_boxes.size(); ++g)
    for (size_t b = 0; b < m_boxes[g].size(); ++b) m_model.m_checked[g][b] = m_boxes[g][b]->isChecked();
}

CObjectHitsDlg::CObjectHitsDlg(CObjectHitsDialog& model, IInteractionPort& port, QWidget* parent)
    : CModelDlg(model, port, parent), m_model(model) {
  setWindowTitle(UiText("Informacje Hitów Objektu"));
  auto* types = new QGroupBox(UiText("Typ Objektu"), this);
  auto* masks = new QGroupBox(UiText("Flagi Hitów"), this);
  auto* typeGrid = new QGridLayout(types);
  auto* maskGrid = new QGridLayout(masks);
  auto* exclusive = new QButtonGroup(this);
  int row = 0;
  for (const CObjectHitsDialog::Entry& entry : CObjectHitsDialog::Entries()) {
    auto* radio = new QRadioButton(UiText(entry.label), types);
    exclusive->addButton(radio);
    Bind(entry.typeControl, radio);
    typeGrid->addWidget(radio, row % 6, row / 6);
    auto* check = new QCheckBox(UiText(entry.label), masks);
    Bind(entry.maskControl, check);
    maskGrid->addWidget(check, row % 6, row / 6);
    m_types.push_back(radio);
    m_masks.push_back(check);
    ++row;
  }
  m_all = new QCheckBox(UiText("Wszystkie"), masks);
  Bind(ctl::kObjectHitAll, m_all);
  maskGrid->addWidget(m_all, 6, 0);
  auto* layout = new QVBoxLayout(this);
  auto* groups = new QHBoxLayout;
  groups->addWidget(types);
  groups->addWidget(masks);
  layout->addLayout(groups);
  AddButtons(layout);
}

void CObjectHitsDlg::Load() {
  for (size_t i = 0; i < m_types.size(); ++i) {
    m_types[i]->setChecked(m_model.m_type[i]);
    m_masks[i]->setChecked(m_model.m_mask[i]);
  }
  m_all->setChecked(m_model.m_all);
}

void CObjectHitsDlg::Store() {
  for (size_t i = 0; i < m_types.size(); ++i) {
    m_model.m_type[i] = m_types[i]->isChecked();
    m_model.m_mask[i] = m_masks[i]->isChecked();
  }
  m_model.m_all = m_all->isChecked();
}

}  // namespace vyr
