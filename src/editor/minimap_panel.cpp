// CMinimapPanel: paints the minimap model's picture and the view's rectangle, and scrolls the view.
#include "editor/minimap_panel.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include "editor/world_view.h"
#include "world/world_doc.h"

namespace vyr {

CMinimapPanel::CMinimapPanel(CWorldDoc& document, CWorldView& view, QWidget* parent)
    : QWidget(parent), m_view(view), m_model(document, kPictureSide, kPictureSide) {
  m_model.SetChangedListener([this] { update(); });
  connect(&view, &CWorldView::ViewMoved, this, qOverload<>(&QWidget::update));
  setMinimumSize(64, 64);
}

CMinimapPanel::~CMinimapPanel() = default;

void CMinimapPanel::showEvent(QShowEvent* event) {
  m_model.SetShown(true);
  QWidget::showEvent(event);
}

void CMinimapPanel::hideEvent(QHideEvent* event) {
  m_model.SetShown(false);
  QWidget::hideEvent(event);
}

QRect CMinimapPanel::PictureRect(const CMinimap& picture) const {
  if (picture.Empty()) return {};
  QSize size(picture.Width(), picture.Height());
  size.scale(width(), height(), Qt::KeepAspectRatio);
  return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

void CMinimapPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  const CMinimap& picture = m_model.Picture();
  if (picture.Empty()) return;
  const QImage image(reinterpret_cast<const uchar*>(picture.Pixels().data()), picture.Width(), picture.Height(),
                     picture.Width() * 4, QImage::Format_RGB32);
  const QRect shown = PictureRect(picture);
  painter.drawImage(shown, image);
  const CWorldViewModel& model = m_view.Model();
  const CRect view = picture.ViewRect(model.ScrollX(), model.ScrollY(), model.ClientWidth(), model.ClientHeight());
  const double sx = double(shown.width()) / picture.Width(), sy = double(shown.height()) / picture.Height();
  const QRect frame(QPoint(shown.left() + int(view.left * sx), shown.top() + int(view.top * sy)),
                    QPoint(shown.left() + int(view.right * sx) - 1, shown.top() + int(view.bottom * sy) - 1));
  painter.setPen(QPen(Qt::white, 0));
  painter.drawRect(frame.adjusted(-1, -1, 1, 1));
  painter.setPen(QPen(Qt::red, 0));
  painter.drawRect(frame);
}

void CMinimapPanel::ScrollViewTo(QPoint at) {
  const CMinimap& picture = m_model.Picture();
  const QRect shown = PictureRect(picture);
  if (shown.isEmpty()) return;
  const int32_t x = int32_t(int64_t(at.x() - shown.left()) * picture.Width() / shown.width());
  const int32_t y = int32_t(int64_t(at.y() - shown.top()) * picture.Height() / shown.height());
  const PixelPoint centre = picture.ViewPixelAt(std::clamp(x, 0, picture.Width() - 1), std::clamp(y, 0, picture.Height() - 1));
  m_view.Model().CenterOn(centre.x, centre.y);
}

void CMinimapPanel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) ScrollViewTo(event->position().toPoint());
}

void CMinimapPanel::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) ScrollViewTo(event->position().toPoint());
}

}  // namespace vyr
