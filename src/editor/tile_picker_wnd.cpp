// CTilePickerWnd: an owner-drawn list of the current set's thumbnails with "-" and "+" zoom buttons.
#include "editor/tile_picker_wnd.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTimer>
#include <optional>

#include "editor/palette_colours.h"
#include "editor/qt_text.h"
#include "editor/ui_text.h"
#include "platform/command_ids.h"
#include "resources/dib.h"
#include "resources/image_set.h"
#include "world/plane.h"
#include "world/tile_edits.h"
#include "world/world_doc.h"

namespace vyr {

namespace {

// The window's size in dialog units, and its caption.
constexpr int kWidthUnits = 64;
constexpr int kHeightUnits = 160;
constexpr char kCaption[] = "Obrazy Klocków";

QRect ToQRect(const CRect& rect) { return QRect(rect.left, rect.top, rect.Width(), rect.Height()); }

// Every item is drawn by the window; the list only asks for the model's item height.
class ItemPainter : public QStyledItemDelegate {
 public:
  explicit ItemPainter(CTilePickerWnd& window) : QStyledItemDelegate(&window), m_window(window) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    m_window.DrawItem(*painter, option.rect, index.row(), option.state & QStyle::State_Selected);
  }
  QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
    return QSize(1, m_window.Model().ItemHeight());
  }

 private:
  CTilePickerWnd& m_window;
};

}  // namespace

// The list box: the window hears of the clicks and keys after the list has moved its selection.
class TilePickerList : public QListWidget {
 public:
  TilePickerList(CTilePickerWnd& window) : QListWidget(&window), m_window(window) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setItemDelegate(new ItemPainter(window));
  }

 protected:
  // A tool window shares its main window's shortcuts: plain keys (arrows, Space, digits)
  // stay with the list, those with Ctrl or Alt (Ctrl+T) still reach the main window.
  bool event(QEvent* event) override {
    if (event->type() == QEvent::ShortcutOverride &&
        !(static_cast<QKeyEvent*>(event)->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
      event->accept();
      return true;
    }
    return QListWidget::event(event);
  }
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::RightButton) {
      const int row = indexAt(event->position().toPoint()).row();
      if (row < 0) return;
      setCurrentRow(row);
      m_window.PlaceItem(row);
      return;
    }
    QListWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) m_window.OnSelectionMoved();
  }
  void mouseDoubleClickEvent(QMouseEvent* event) override {
    QListWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && currentRow() >= 0) m_window.PlaceItem(currentRow());
  }
  void keyPressEvent(QKeyEvent* event) override {
    QListWidget::keyPressEvent(event);
    m_window.OnSelectionMoved();
    if (event->key() == Qt::Key_Space) m_window.OnSpace();
  }

 private:
  CTilePickerWnd& m_window;
};

CTilePickerWnd::CTilePickerWnd(CWorldDoc& doc, Owner owner, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_doc(doc), m_owner(std::move(owner)) {
  setWindowTitle(UiText(kCaption));
  m_list = new TilePickerList(*this);
  m_zoomOut = new QPushButton(QStringLiteral("-"), this);
  m_zoomIn = new QPushButton(QStringLiteral("+"), this);
  for (QPushButton* button : {m_zoomOut, m_zoomIn}) {
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(fontMetrics().height() * 2, fontMetrics().height() + 8);
  }
  connect(m_zoomIn, &QPushButton::clicked, this, [this] { Zoom(true); });
  connect(m_zoomOut, &QPushButton::clicked, this, [this] { Zoom(false); });
  // Dialog units: a quarter of the average character width, an eighth of the font height.
  const QFontMetrics metrics(font());
  resize(kWidthUnits * metrics.averageCharWidth() / 4, kHeightUnits * metrics.height() / 8);
  FollowCurrentTile();
}

CTilePickerWnd::~CTilePickerWnd() = default;

QListWidget* CTilePickerWnd::List() const { return m_list; }

const CImageSet* CTilePickerWnd::CurrentSet() const {
  const CPlane* plane = m_doc.CurrentPlane();
  return plane ? plane->ImageSetAt(m_doc.CurrentSet()) : nullptr;
}

bool CTilePickerWnd::BuildList() {
  m_list->clear();
  if (!m_model.Build(CurrentSet())) return false;
  m_colours = m_doc.Palette() ? ShownColours(m_doc.Palette()) : QList<QRgb>();
  for (int32_t image : m_model.Images()) m_list->addItem(QString::number(image));
  m_closeAsked = false;
  return true;
}

void CTilePickerWnd::FollowCurrentTile() {
  const CImageSet* set = CurrentSet();
  if (!set || set != m_model.Set()) {
    if (!BuildList()) {
      // Nothing may be placed from a list that no longer matches the set.
      if (!m_closeAsked && m_owner.closeMe) {
        m_closeAsked = true;
        QTimer::singleShot(0, this, [this] { m_owner.closeMe(*this); });
      }
      return;
    }
  }
  if (m_model.SelectByPrefix(m_doc.CurrentImage())) ShowSelection();
}

void CTilePickerWnd::ShowSelection() {
  const int index = m_model.SelectedIndex();
  if (index < 0) {
    m_list->clearSelection();
    return;
  }
  m_list->setCurrentRow(index);
  m_list->scrollToItem(m_list->item(index));
}

void CTilePickerWnd::OnSelectionMoved() {
  m_model.Select(m_list->currentRow());
  const int32_t image = m_model.SelectedImage();
  if (image >= 0 && image != m_doc.CurrentImage()) m_doc.SelectImage(image);
}

void CTilePickerWnd::PlaceItem(int index) {
  m_model.Select(index);
  const int32_t image = m_model.ImageAt(index);
  if (image < 0) return;
  if (const std::optional<int32_t> tile = SelectionTile(m_doc.CurrentSet(), image)) m_doc.SetTileAtCursor(*tile);
}

void CTilePickerWnd::OnSpace() const {
  if (m_owner.insertAtCursor) m_owner.insertAtCursor();
}

void CTilePickerWnd::Zoom(bool in) {
  const int32_t index = m_model.SelectedIndex();
  if (!(in ? m_model.ZoomIn() : m_model.ZoomOut())) return;
  if (!BuildList()) return;
  m_model.Select(index);
  ShowSelection();
}

void CTilePickerWnd::DrawItem(QPainter& painter, const QRect& rect, int index, bool selected) const {
  const CImageSet* set = m_model.Set();
  const CImage* image = set ? set->GetImage(m_model.ImageAt(index)) : nullptr;
  if (!image || !image->Surface().IsCreated()) return;
  const CDibG& surface = image->Surface();
  const QFontMetrics metrics(m_list->font());
  const TilePickerItemLayout layout =
      m_model.Layout(CRect{rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1}, metrics.height());

  painter.save();
  auto frame = [&painter, &layout](const QColor& colour) {
    painter.setPen(QPen(colour, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(ToQRect(layout.frame));
  };
  if (!selected) frame(Qt::white);
  QImage picture(surface.Bits(), surface.Width(), surface.Height(), surface.Pitch(), QImage::Format_Indexed8);
  picture.setColorTable(m_colours);
  if (surface.Order() == RowOrder::BottomUp) picture = picture.mirrored();
  painter.drawImage(ToQRect(layout.thumbnail), picture);
  if (layout.showNumber) {
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(layout.textX, layout.textY + metrics.ascent(), QString::number(m_model.ImageAt(index)));
  }
  if (selected) frame(Qt::red);
  painter.restore();
}

void CTilePickerWnd::closeEvent(QCloseEvent* event) {
  // The window stays, hidden; its list goes until it is shown again.
  m_list->clear();
  m_model.Clear();
  // Qt closes every window on quitting, after the main one: not the user's doing.
  const bool byUser = !parentWidget() || parentWidget()->isVisible();
  if (byUser && m_owner.userClosed) m_owner.userClosed();
  event->accept();
}

void CTilePickerWnd::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FollowCurrentTile();
}

void CTilePickerWnd::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOut();
}

void CTilePickerWnd::LayOut() {
  const QSize button = m_zoomOut->size();
  m_list->setGeometry(2, 2, width() - 4, height() - button.height() - 6);
  m_zoomOut->move(2, height() - button.height() - 2);
  m_zoomIn->move(width() - button.width() - 2, height() - button.height() - 2);
}

}  // namespace vyr
