// The "Zmiana" dialog: two groups of radio buttons with a number edit each.
#include "editor/dialogs/tiles/replace_dlg.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "editor/ui_text.h"

namespace vyr {

CReplaceDlg::CReplaceDlg(CReplaceDialog& model, IInteractionPort& port, QWidget* parent)
    : CModelDlg(model, port, parent), m_model(model) {
  setWindowTitle(UiText("Zmiana"));
  auto* layout = new QVBoxLayout(this);
  m_search = Side("Szukaj", {ctl::kSearchTile, ctl::kSearchDelete, ctl::kSearchColour}, ctl::kSearchValue,
                  m_searchValue, layout);
  m_replace = Side("Zamień na", {ctl::kReplaceTile, ctl::kReplaceDelete, ctl::kReplaceColour}, ctl::kReplaceValue,
                   m_replaceValue, layout);
  AddButtons(layout);
}

void CReplaceDlg::Load() {
  Check(m_search, m_model.m_search);
  Check(m_replace, m_model.m_replace);
  m_searchValue->setText(FromBytes(m_model.m_searchValue));
  m_replaceValue->setText(FromBytes(m_model.m_replaceValue));
}

void CReplaceDlg::Store() {
  m_model.m_search = std::max(m_search->checkedId(), 0);
  m_model.m_replace = std::max(m_replace->checkedId(), 0);
  m_model.m_searchValue = ToBytes(m_searchValue->text());
  m_model.m_replaceValue = ToBytes(m_replaceValue->text());
}

QButtonGroup* CReplaceDlg::Side(const char* title, std::array<int, 3> ids, int valueId, QLineEdit*& value,
                               QVBoxLayout* layout) {
  auto* box = new QGroupBox(UiText(title), this);
  auto* grid = new QGridLayout(box);
  auto* group = new QButtonGroup(box);
  const char* texts[] = {"Kloc", "Usuń", "Kolor"};
  for (int i = 0; i < 3; ++i) {
    auto* radio = new QRadioButton(UiText(texts[i]), box);
    group->addButton(radio, ids[size_t(i)]);
    Bind(ids[size_t(i)], radio);
    grid->addWidget(radio, i, 0);
  }
  value = new QLineEdit(box);
  SignedDigitsOnly(value);
  Bind(valueId, value);
  // Typing a number chooses "Kloc", the one choice that uses it.
  QAbstractButton* tile = group->button(ids[0]);
  connect(value, &QLineEdit::textEdited, tile, [tile] { tile->setChecked(true); });
  grid->addWidget(value, 0, 1);
  layout->addWidget(box);
  return group;
}

void CReplaceDlg::Check(QButtonGroup* group, int id) {
  group->setExclusive(false);
  for (QAbstractButton* button : group->buttons()) button->setChecked(group->id(button) == id);
  group->setExclusive(true);
}

}  // namespace vyr
