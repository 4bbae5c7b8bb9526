// The "Informacje Klocków" dialog's controls, pictures and tabs, bound to the model.
#include "editor/dialogs/attributes/tile_attrib_dlg.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>
#include <array>

#include "editor/palette_colours.h"

namespace vyr {

namespace {

constexpr const char* kValueLabels[5] = {"Wolny", "Blokuje", "Podłoga", "Drabina", "Zabija"};
// Small tiles are shown enlarged, up to this many pixels on their longer side.
constexpr int kPictureSide = 128;

}  // namespace

CTileAttribDlg::CTileAttribDlg(CTileAttribDialog& model, IInteractionPort& port, QWidget* parent)
    : CModelDlg(model, port, parent), m_model(model) {
  setWindowTitle(Text("Informacje Klocków"));
  auto* layout = new QVBoxLayout(this);

  auto* pictures = new QHBoxLayout;
  for (auto [label, id] : {std::pair{&m_image, ctl::kAttribImage}, std::pair{&m_preview, ctl::kAttribPreview}}) {
    *label = new QLabel(this);
    (*label)->setObjectName(QStringLiteral("control%1").arg(id));
    (*label)->setFrameShape(QFrame::Box);
    (*label)->setMinimumSize(kPictureSide + 4, kPictureSide + 4);
    (*label)->setAlignment(Qt::AlignCenter);
    pictures->addWidget(*label);
  }
  layout->addLayout(pictures);

  auto* numberRow = new QHBoxLayout;
  auto* previous = new QPushButton(Text("<- Poprz"), this);
  auto* next = new QPushButton(Text("Nast ->"), this);
  m_number = new QLineEdit(this);
  DigitsOnly(m_number);
  for (QPushButton* button : {previous, next}) button->setAutoDefault(false);
  Bind(ctl::kAttribPrevious, previous);
  Bind(ctl::kAttribNumber, m_number);
  Bind(ctl::kAttribNext, next);
  numberRow->addWidget(previous);
  numberRow->addWidget(m_number);
  numberRow->addWidget(next);
  layout->addLayout(numberRow);

  m_tabs = new QTabBar(this);
  for (const char* tab : {"Single", "Double", "Mask"}) m_tabs->addTab(Text(tab));
  Bind(ctl::kAttribTabs, m_tabs);
  layout->addWidget(m_tabs);

  // Only the shown tab's page is visible; the stack keeps the dialog's size while switching.
  m_pages = new QStackedWidget(this);
  auto* single = new QWidget(this);
  (new QVBoxLayout(single))->addWidget(RadioGroup(single, "Artrybuty:", ctl::kAttribSingle, m_singleGroup));
  auto* dbl = new QWidget(this);
  auto* dblLayout = new QHBoxLayout(dbl);
  dblLayout->addWidget(RadioGroup(dbl, "Poza:", ctl::kAttribOutside, m_outsideGroup));
  dblLayout->addWidget(RadioGroup(dbl, "W:", ctl::kAttribInside, m_insideGroup));
  auto* rect = new QGroupBox(Text("Zazncz:"), dbl);
  auto* rectForm = new QFormLayout(rect);
  const char* rectLabels[4] = {"Lewo:", "Góra:", "Prawo:", "Dół:"};
  for (size_t i = 0; i < 4; ++i) {
    m_rect[i] = new QLineEdit(rect);
    m_rect[i]->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("-00000")));
    SignedDigitsOnly(m_rect[i]);
    Bind(ctl::kAttribRect[i], m_rect[i]);
    rectForm->addRow(Text(rectLabels[i]), m_rect[i]);
  }
  dblLayout->addWidget(rect);
  auto* mask = new QWidget(this);
  auto* find = new QPushButton(Text("Szukaj..."), mask);
  find->setAutoDefault(false);
  Bind(ctl::kAttribFindMask, find);
  auto* maskLayout = new QVBoxLayout(mask);
  maskLayout->addWidget(find, 0, Qt::AlignLeft);
  maskLayout->addStretch(1);
  for (QWidget* page : {single, dbl, mask}) m_pages->addWidget(page);
  layout->addWidget(m_pages);
  AddButtons(layout);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CTileAttribDlg::Load() {
  m_number->setText(FromBytes(m_model.m_number));
  const int tab = std::clamp(m_model.m_kind, 1, 3) - 1;
  m_tabs->setCurrentIndex(tab);
  m_pages->setCurrentIndex(tab);
  Check(m_singleGroup, m_model.m_single);
  Check(m_outsideGroup, m_model.m_outside);
  Check(m_insideGroup, m_model.m_inside);
  for (size_t i = 0; i < 4; ++i) m_rect[i]->setText(FromBytes(m_model.m_rect[i]));
  Picture(m_image, m_model.ImageView());
  Picture(m_preview, m_model.Preview());
}

void CTileAttribDlg::Store() {
  m_model.m_number = ToBytes(m_number->text());
  m_model.m_kind = m_tabs->currentIndex() + 1;
  for (auto [group, value] : {std::pair{m_singleGroup, &m_model.m_single},
                              std::pair{m_outsideGroup, &m_model.m_outside},
                              std::pair{m_insideGroup, &m_model.m_inside}})
    if (group->checkedId() >= 0) *value = group->checkedId();
  for (size_t i = 0; i < 4; ++i) m_model.m_rect[i] = ToBytes(m_rect[i]->text());
}

QGroupBox* CTileAttribDlg::RadioGroup(QWidget* parent, const char* title, const int (&ids)[5], QButtonGroup*& group) {
  auto* box = new QGroupBox(Text(title), parent);
  auto* column = new QVBoxLayout(box);
  group = new QButtonGroup(box);
  for (int value = 0; value < 5; ++value) {
    auto* button = new QRadioButton(Text(kValueLabels[value]), box);
    group->addButton(button, value);
    Bind(ids[value], button);
    column->addWidget(button);
  }
  return box;
}

void CTileAttribDlg::Check(QButtonGroup* group, int32_t value) {
  group->setExclusive(false);
  for (QAbstractButton* button : group->buttons()) button->setChecked(group->id(button) == value);
  group->setExclusive(true);
}

void CTileAttribDlg::Picture(QLabel* label, const CDibG& surface) {
  if (!surface.IsCreated()) {
    label->clear();
    return;
  }
  QImage image(surface.Bits(), surface.Width(), surface.Height(), surface.Pitch(), QImage::Format_Indexed8);
  image.setColorTable(ShownColours(m_model.Palette()));
  if (surface.Order() == RowOrder::BottomUp) image = image.mirrored();
  const int zoom = std::max(1, kPictureSide / std::max(surface.Width(), surface.Height()));
  label->setPixmap(QPixmap::fromImage(image.scaled(surface.Width() * zoom, surface.Height() * zoom)));
}

}  // namespace vyr
