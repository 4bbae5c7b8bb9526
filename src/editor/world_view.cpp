// CWorldView: one blit of the 8-bit surface through the palette, then grid and inverted cursor frames.
#include "editor/world_view.h"

#include <QApplication>
#include <QCursor>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <QPixmap>
#include <QPolygon>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTimerEvent>
#include <QWheelEvent>
#include <algorithm>
#include <utility>
#include <vector>

#include "commands/tiles/tile_commands.h"
#include "commands/view_commands.h"
#include "editor/tool_overlay.h"
#include "resources/dib.h"
#include "resources/palette.h"
#include "world/world_doc.h"

namespace vyr {

namespace {

// The Windows cosmetic dashed pen: 18 pixels drawn, 6 left out.
const QList<qreal> kDashPattern = {18, 6};
const QList<qreal> kDotPattern = {1, 1};

QRect ToQRect(const CRect& rect) { return QRect(rect.left, rect.top, rect.Width(), rect.Height()); }

// A focus rectangle inverts every other pixel of its border, the dots aligned to the
// window's pixel grid; its four edges are the four strips of the Windows routine.
void AddFocusRectDots(const CRect& rect, QPolygon& dots) {
  auto strip = [&dots](int32_t left, int32_t top, int32_t width, int32_t height) {
    for (int32_t y = top; y < top + height; ++y)
      for (int32_t x = left; x < left + width; ++x)
        if (((x + y) & 1) == 0) dots << QPoint(x, y);
  };
  const int32_t width = rect.Width();
  const int32_t height = rect.Height();
  strip(rect.left, rect.top, width, 1);
  strip(rect.left, rect.bottom - 1, width, 1);
  strip(rect.left, rect.top + 1, 1, height - 2);
  strip(rect.right - 1, rect.top + 1, 1, height - 2);
}

}  // namespace

CWorldView::CWorldView(Profile* profile, QWidget* parent) : QAbstractScrollArea(parent), m_model(profile) {
  m_model.SetWindow(this);
  RegisterViewCommands(Commands(), m_model);
  // The surface covers the whole client area, so Qt need not erase before painting.
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  viewport()->setAutoFillBackground(false);
  // The mouse pane follows the pointer without a button held.
  viewport()->setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
}

CWorldView::~CWorldView() {
  if (m_blinkTimer) killTimer(m_blinkTimer);
  if (m_worldDoc && m_worldDoc->ViewPort() == &m_model) m_worldDoc->SetViewPort(nullptr);
  m_model.Objects().SetDocument(nullptr);
  m_model.Tiles().Tools().SetDocument(nullptr);
  m_model.SetDocument(nullptr);
  m_model.SetWindow(nullptr);
}

void CWorldView::AttachDocument(CWorldDoc& document) {
  m_worldDoc = &document;
  m_worldDocSource = std::make_unique<WorldDocViewSource>(document);
  document.SetViewPort(&m_model);
  m_model.Objects().SetDocument(&document);
  m_model.Tiles().Tools().SetDocument(&document);
  RegisterTileViewCommands(Commands(), document);
  SetDocument(m_worldDocSource.get());
}

void CWorldView::SetDocument(IViewDocument* document) {
  m_model.SetDocument(document);
  m_model.InitialUpdate();
  if (!m_blinkTimer) m_blinkTimer = startTimer(kBlinkMilliseconds);
}

int32_t CWorldView::ClientWidth() const { return viewport()->width(); }
int32_t CWorldView::ClientHeight() const { return viewport()->height(); }

void CWorldView::InvalidateAll(bool) {
  m_pending = QRegion(viewport()->rect());
  viewport()->update();
}

void CWorldView::InvalidateRect(const CRect& clientRect, bool) {
  QRect rect = ToQRect(clientRect);
  m_pending += rect;
  viewport()->update(rect);
}

void CWorldView::UpdateNow() {
  if (m_pending.isEmpty()) return;
  QRegion region = m_pending;
  m_pending = QRegion();
  viewport()->repaint(region);
}

void CWorldView::SetScrollSizes(const ViewScrollSizes& sizes) {
  m_scrollSizes = sizes;
  ApplyScrollRanges();
}

// The bars run from 0 to total − client: the whole plane, however large, is reachable. Their
// signals stay on, so that the scroll area shows or hides them; the guard keeps the moves
// made here from scrolling the view again.
void CWorldView::ApplyScrollRanges() {
  const bool wasSyncing = std::exchange(m_syncingBars, true);
  auto apply = [](QScrollBar* bar, int32_t total, int32_t client, int32_t page, int32_t line) {
    bar->setRange(0, std::max(0, total - client));
    bar->setPageStep(std::max(1, page));
    bar->setSingleStep(std::max(1, line));
  };
  // The bars count view pixels, as the scroll position does, whatever the zoom.
  const ViewZoom& zoom = m_model.Zoom();
  apply(horizontalScrollBar(), m_scrollSizes.totalWidth, zoom.ViewExtent(ClientWidth()), m_scrollSizes.pageWidth,
        m_scrollSizes.lineWidth);
  apply(verticalScrollBar(), m_scrollSizes.totalHeight, zoom.ViewExtent(ClientHeight()), m_scrollSizes.pageHeight,
        m_scrollSizes.lineHeight);
  m_syncingBars = wasSyncing;
}

void CWorldView::SetScrollPositions(int32_t x, int32_t y) {
  const bool wasSyncing = std::exchange(m_syncingBars, true);
  if (horizontalScrollBar()->value() != x) horizontalScrollBar()->setValue(x);
  if (verticalScrollBar()->value() != y) verticalScrollBar()->setValue(y);
  m_syncingBars = wasSyncing;
  emit ViewMoved();
}

void CWorldView::OverlayChanged(const CRect& area) { viewport()->update(ToQRect(area)); }

void CWorldView::scrollContentsBy(int, int) {
  if (m_syncingBars) return;
  const int32_t dx = horizontalScrollBar()->value() - m_model.ScrollX();
  const int32_t dy = verticalScrollBar()->value() - m_model.ScrollY();
  // A bar that could not move the view goes back to where the view is.
  if (!m_model.OnScrollBy(dx, dy)) SetScrollPositions(m_model.ScrollX(), m_model.ScrollY());
}

namespace {

uint32_t ModifiersOf(Qt::KeyboardModifiers held) {
  uint32_t bits = 0;
  if (held & Qt::ShiftModifier) bits |= kModShift;
  if (held & Qt::ControlModifier) bits |= kModControl;
  if (held & Qt::AltModifier) bits |= kModAlt;
  if (held & Qt::KeypadModifier) bits |= kModKeypad;
  return bits;
}

MouseButton ButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return MouseButton::Left;
    case Qt::RightButton: return MouseButton::Right;
    case Qt::MiddleButton: return MouseButton::Middle;
    default: return MouseButton::None;
  }
}

// Digits, letters and Space have the same codes in Qt and as Windows virtual keys; the modes
// need no other key by its code.
uint32_t VirtualKeyOf(int key) {
  const bool digit = key >= Qt::Key_0 && key <= Qt::Key_9;
  const bool letter = key >= Qt::Key_A && key <= Qt::Key_Z;
  if (key == Qt::Key_Escape) return 0x1B;
  return digit || letter || key == Qt::Key_Space ? uint32_t(key) : 0;
}

}  // namespace

// The view hears of every key here, also of those an accelerator then takes.
bool CWorldView::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const int code = key->key();
    // Any key but a modifier ends a mouse drag before its command runs.
    if (code != Qt::Key_Shift && code != Qt::Key_Control && code != Qt::Key_Alt && code != Qt::Key_Meta)
      m_model.EndDrags();
    m_model.OnKeySeen(VirtualKeyOf(key->key()), ModifiersOf(key->modifiers()));
  }
  return QAbstractScrollArea::event(event);
}

// Keys move the view only through the accelerator commands, never by the scroll area's own
// key scrolling; what the current mode leaves goes on to the frame.
void CWorldView::keyPressEvent(QKeyEvent* event) {
  if (m_model.OnKeyPress(VirtualKeyOf(event->key()), ModifiersOf(event->modifiers()))) {
    event->accept();
    return;
  }
  event->ignore();
}

void CWorldView::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  m_model.OnMouseDown(at.x(), at.y(), ButtonOf(event->button()), ModifiersOf(event->modifiers()));
  if (m_model.Panning()) viewport()->setCursor(Qt::ClosedHandCursor);
}

void CWorldView::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  m_model.OnMouseUp(at.x(), at.y(), ButtonOf(event->button()), ModifiersOf(event->modifiers()));
  if (!m_model.Panning()) viewport()->unsetCursor();
}

void CWorldView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  m_model.OnMouseMove(at.x(), at.y(), ModifiersOf(event->modifiers()));
}

bool CWorldView::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::Leave) m_model.OnMouseLeave();
  return QAbstractScrollArea::viewportEvent(event);
}

void CWorldView::mouseDoubleClickEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  m_model.OnDoubleClick(at.x(), at.y(), ButtonOf(event->button()), ModifiersOf(event->modifiers()));
}

// Ctrl + wheel zooms about the mouse, Shift + wheel scrolls sideways (by as many lines as
// the wheel scrolls down); the wheel alone scrolls as usual.
void CWorldView::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  if ((event->modifiers() & Qt::ControlModifier) && delta != 0) {
    const QPoint at = event->position().toPoint();
    m_model.ZoomAt(delta > 0 ? 1 : -1, at.x(), at.y());
    event->accept();
    return;
  }
  // Some systems turn a Shift + wheel into a sideways wheel by themselves.
  const int sideways = delta != 0 ? delta : event->angleDelta().x();
  if ((event->modifiers() & Qt::ShiftModifier) && sideways != 0) {
    m_sidewaysWheel += sideways * QApplication::wheelScrollLines();
    const int lines = m_sidewaysWheel / 120;
    m_sidewaysWheel -= lines * 120;
    m_model.OnShiftWheel(lines);
    event->accept();
    return;
  }
  QAbstractScrollArea::wheelEvent(event);
}

void CWorldView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  m_model.Resize();
  ApplyScrollRanges();
  SetScrollPositions(m_model.ScrollX(), m_model.ScrollY());
}

bool CWorldView::EditorActive() const {
  const QWidget* active = QApplication::activeWindow();
  return active && (active == window() || (m_picker && active == m_picker.data()));
}

void CWorldView::timerEvent(QTimerEvent* event) {
  if (event->timerId() != m_blinkTimer) {
    QAbstractScrollArea::timerEvent(event);
    return;
  }
  m_model.OnBlink(EditorActive());
}

QPoint CWorldView::MouseClientPosition() const { return viewport()->mapFromGlobal(QCursor::pos()); }

bool CWorldView::CursorPosition(int32_t& x, int32_t& y) const {
  const QPoint client = MouseClientPosition();
  x = client.x();
  y = client.y();
  return true;
}

PixelPoint CWorldView::MousePixel() const {
  QPoint client = MouseClientPosition();
  return m_model.MousePixel(client.x(), client.y());
}

CellPoint CWorldView::MouseCell() const {
  QPoint client = MouseClientPosition();
  return m_model.MouseCell(client.x(), client.y());
}

QRect CWorldView::SurfaceRect() const { return ToQRect(m_model.SurfaceWindowRect()); }

void CWorldView::DrawContents(QPainter& painter) const {
  if (!m_model.ShowsSurface()) return;
  const CDibG& surface = *m_model.Surface();
  const CPalId& palette = *m_model.Document()->Palette();
  QImage image;
  if (const uint8_t* mask = m_model.DimMask()) {
    // Dimmed planes are blended toward the background in RGB here, where the palette is
    // turned into colours anyway, so that each pixel keeps its hue.
    if (m_blended.size() != QSize(surface.Width(), surface.Height()))
      m_blended = QImage(surface.Width(), surface.Height(), QImage::Format_RGB32);
    BlendToRgb(surface.RowPtr(0), surface.Pitch(), mask, surface.Width(), surface.Height(), PaletteColours(palette),
               BlendedColours(palette, 255), reinterpret_cast<uint32_t*>(m_blended.bits()),
               m_blended.bytesPerLine() / 4);
    image = m_blended;
  } else {
    m_colours.resize(int(kPaletteEntryCount));
    for (size_t i = 0; i < kPaletteEntryCount; ++i) {
      const PaletteEntry& entry = palette.Entry(i);
      m_colours[int(i)] = qRgb(entry.red, entry.green, entry.blue);
    }
    // The surface's rows are top-down and 4-byte aligned: the image sits on them as they
    // are, without a copy (setting the colour table leaves the pixels shared).
    image = QImage(surface.Bits(), surface.Width(), surface.Height(), surface.Pitch(), QImage::Format_Indexed8);
    image.setColorTable(m_colours);
  }
  // Without smooth transformation the painter scales by repeating or dropping pixels. Its
  // sampling rounds differently from the mouse at a zoom of a fraction such as 150 %: there
  // each window pixel takes the view pixel the mouse finds under it.
  const QRect shown = SurfaceRect();
  const ViewZoom& zoom = m_model.Zoom();
  if (shown.size() == image.size()) {
    painter.drawImage(QPoint(0, 0), image);
  } else if (zoom.Percent() > kNoZoom && zoom.Percent() % kNoZoom != 0) {
    const QImage rgb = image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
    QImage scaled(shown.size(), QImage::Format_RGB32);
    std::vector<int32_t> columns(size_t(scaled.width()));
    for (int x = 0; x < scaled.width(); ++x) columns[size_t(x)] = std::min(zoom.ToView(x), rgb.width() - 1);
    for (int y = 0; y < scaled.height(); ++y) {
      const auto* from = reinterpret_cast<const QRgb*>(rgb.constScanLine(std::min(zoom.ToView(y), rgb.height() - 1)));
      auto* to = reinterpret_cast<QRgb*>(scaled.scanLine(y));
      for (int x = 0; x < scaled.width(); ++x) to[x] = from[columns[size_t(x)]];
    }
    painter.drawImage(shown.topLeft(), scaled);
  } else {
    painter.drawImage(shown, image);
  }
  // Past the plane's edge the surface holds only the background index; grey marks the edge.
  const CRect plane = m_model.PlaneArea();
  const QRegion beyond = QRegion(shown) - ToQRect(plane);
  for (const QRect& rect : beyond) painter.fillRect(rect, QColor::fromRgb(kBeyondPlaneColour));

  DrawGrid(painter);
}

// The grid in window pixels, after the picture is scaled: one-pixel lines at every zoom.
// Below 100 % the cells are shorter than the dashes, whose gaps would fall anywhere in
// them: the lines are dotted instead, evenly along every cell.
void CWorldView::DrawGrid(QPainter& painter) const {
  const std::vector<int32_t> columns = m_model.GridColumns();
  const std::vector<int32_t> rows = m_model.GridRows();
  if (columns.empty() && rows.empty()) return;
  const CRect plane = m_model.PlaneArea();
  QPen pen(Qt::black);
  pen.setWidth(0);
  pen.setCosmetic(true);
  pen.setCapStyle(Qt::FlatCap);
  pen.setDashPattern(m_model.Zoom().Percent() < kNoZoom ? kDotPattern : kDashPattern);
  painter.save();
  painter.setPen(pen);
  // The Windows line leaves out its end point: lines stop one pixel short of the client's
  // edge, and at the plane's last pixel.
  const int32_t lastY = std::min(m_model.WindowHeight() - 2, plane.bottom - 1);
  const int32_t lastX = std::min(m_model.WindowWidth() - 2, plane.right - 1);
  for (int32_t x : columns)
    if (lastY >= 0) painter.drawLine(x, 0, x, lastY);
  for (int32_t y : rows)
    if (lastX >= 0) painter.drawLine(0, y, lastX, y);
  painter.restore();
}

QImage CWorldView::Picture() const {
  QImage picture(viewport()->size(), QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  DrawContents(painter);
  return picture;
}

// Qt has no focus-rectangle call. The frames are dotted borders XORed with white, which is
// what the Windows routine does with its pattern: the same dots twice restore the pixels, and
// the frames stay visible on any colour (a fixed pen colour would vanish on its own colour).
void CWorldView::DrawCursorFrames(QPainter& painter) const {
  if (!m_model.CursorShown()) return;
  QPolygon dots;
  for (const CRect& frame : m_model.CursorFrames()) AddFocusRectDots(frame, dots);
  if (dots.isEmpty()) return;
  painter.save();
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  painter.setPen(QPen(Qt::white, 0));
  painter.drawPoints(dots);
  painter.restore();
}

// Object mode's mark for an object without an image: a 32 x 32 ring with a cross.
void CWorldView::DrawObjectMarkers(QPainter& painter) const {
  if (m_model.EditMode() != kObjectMode) return;
  static const QPixmap marker = [] {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter icon(&pixmap);
    icon.setPen(QPen(Qt::black, 2));
    icon.setBrush(QColor(255, 255, 0));
    icon.drawEllipse(2, 2, 28, 28);
    icon.drawLine(10, 10, 22, 22);
    icon.drawLine(22, 10, 10, 22);
    return pixmap;
  }();
  const ViewZoom& zoom = m_model.Zoom();
  for (const PixelPoint& corner : m_model.Objects().MarkerCorners()) {
    const CRect box = zoom.ToWindow(CRect{corner.x, corner.y, corner.x + 32, corner.y + 32});
    painter.drawPixmap(ToQRect(box), marker);
  }
}

void CWorldView::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  if (m_model.ShowsSurface()) {
    QRegion outside = event->region() - SurfaceRect();
    for (const QRect& rect : outside) painter.fillRect(rect, Qt::white);
    DrawContents(painter);
  } else {
    // Nothing of the world: the bare window.
    painter.fillRect(event->rect(), Qt::white);
  }
  DrawOverlay(painter);
}

void CWorldView::DrawOverlay(QPainter& painter) const {
  if (m_model.ShowsSurface()) {
    DrawObjectMarkers(painter);
    PaintToolOverlay(painter, m_model, m_worldDoc, m_colours);
  }
  DrawCursorFrames(painter);
}

}  // namespace vyr
