// The "Zmiana" dialog: two groups of radio buttons with a number edit each.
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "commands/tiles/replace_dialog.h"
#include "editor/dialogs/tiles/tile_dlg_parts.h"
#include "editor/model_dialog.h"
#include "editor/ui_text.h"

namespace vyr {

namespace {

class CReplaceDlg final : public CModelDlg {
 public:
  CReplaceDlg(CReplaceDialog& model, IInteractionPort& port, QWidget* parent)
      : CModelDlg(model, port, parent), m_model(model) {
    setWindowTitle(UiText("Zmiana"));
    auto* layout = new QVBoxLayout(this);
    m_search = Side("Szukaj", {ctl::kSearchTile, ctl::kSearchDelete, ctl::kSearchColour}, ctl::kSearchValue,
                    m_searchValue, layout);
    m_replace = Side("Zamień na", {ctl::kReplaceTile, ctl::kReplaceDelete, ctl::kReplaceColour}, ctl::kReplaceValue,
                     m_replaceValue, layout);
    AddButtons(layout);
  }

 protected:
  void Load() override {
    Check(m_search, m_model.m_search);
    Check(m_replace, m_model.m_replace);
    m_searchValue->setText(FromBytes(m_model.m_searchValue));
    m_replaceValue->setText(FromBytes(m_model.m_replaceValue));
  }
  void Store() override {
    m_model.m_search = std::max(m_search->checkedId(), 0);
    m_model.m_replace = std::max(m_replace->checkedId(), 0);
    m_model.m_searchValue = ToBytes(m_searchValue->text());
    m_model.m_replaceValue = ToBytes(m_replaceValue->text());
  }

 private:
  // One group: "Kloc" with its edit, "Usuń", "Kolor"; the ids are the radio buttons'.
  QButtonGroup* Side(const char* title, std::array<int, 3> ids, int valueId, QLineEdit*& value, QVBoxLayout* layout) {
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
  // A group with no id checked shows no button checked.
  static void Check(QButtonGroup* group, int id) {
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons()) button->setChecked(group->id(button) == id);
    group->setExclusive(true);
  }

  CReplaceDialog& m_model;
  QButtonGroup* m_search;
  QButtonGroup* m_replace;
  QLineEdit* m_searchValue = nullptr;
  QLineEdit* m_replaceValue = nullptr;
};

}  // namespace

void RegisterReplaceDlg() { RegisterModelDlg<CReplaceDlg, CReplaceDialog>(); }

}  // namespace vyr
