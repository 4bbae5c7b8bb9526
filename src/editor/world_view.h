// CWorldView: the scrolling Qt view that shows the document's surface, the grid and the blinking tile cursor.
#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <QList>
#include <QPointer>
#include <QRegion>
#include <QRgb>
#include <memory>

#include "commands/world_view_model.h"
#include "platform/command_table.h"

class QPainter;

namespace vyr {

class CWorldDoc;
class Profile;

// Its command table (the view's slot of the router) holds the view's commands.
class CWorldView : public QAbstractScrollArea, public CommandTarget, private IViewWindow {
  Q_OBJECT

 public:
  // What the window shows where it reaches past the plane.
  static constexpr QRgb kBeyondPlaneColour = 0xFF808080;

  // The profile (may be null) gives and keeps the view's settings (grid, warp, custom moves).
  explicit CWorldView(Profile* profile = nullptr, QWidget* parent = nullptr);
  ~CWorldView() override;

  CWorldViewModel& Model() { return m_model; }
  const CWorldViewModel& Model() const { return m_model; }
  // What the document renders into.
  IViewPort& Port() { return m_model; }

  // Attaches the document and runs the first sizing; starts the blink.
  void SetDocument(IViewDocument* document);
  // The same for the real document, which from now on renders into this view (until the
  // view is destroyed).
  void AttachDocument(CWorldDoc& document);
  // The cursor also blinks while this window (the tile picker) is the active one.
  void SetTilePickerWindow(QWidget* picker) { m_picker = picker; }

  // The mouse position in client pixels, in world pixels, and its cell.
  QPoint MouseClientPosition() const;
  PixelPoint MousePixel() const;
  CellPoint MouseCell() const;

  // The surface through the palette, then the grid: what a paint (or a print) shows
  // beneath the cursor frames. Nothing when there is no surface or no palette.
  void DrawContents(QPainter& painter) const;
  // DrawContents on white, the size of the client area: what printing puts on paper.
  QImage Picture() const;

 signals:
  // The view scrolled or changed size: the minimap redraws its rectangle.
  void ViewMoved();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool event(QEvent* event) override;
  void timerEvent(QTimerEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  bool viewportEvent(QEvent* event) override;

 private:
  // IViewWindow
  int32_t ClientWidth() const override;
  int32_t ClientHeight() const override;
  void InvalidateAll(bool erase) override;
  void InvalidateRect(const CRect& clientRect, bool erase) override;
  void UpdateNow() override;
  void SetScrollSizes(const ViewScrollSizes& sizes) override;
  void SetScrollPositions(int32_t x, int32_t y) override;
  void OverlayChanged(const CRect& area) override;
  bool CursorPosition(int32_t& x, int32_t& y) const override;

  void ApplyScrollRanges();
  // Where the surface lands in the window at the zoom (callers check it exists).
  QRect SurfaceRect() const;
  void DrawGrid(QPainter& painter) const;
  // What is drawn over the picture in window pixels, after it is scaled: object markers
  // and the cursor and selection frames; tool previews belong here too.
  void DrawOverlay(QPainter& painter) const;
  void DrawCursorFrames(QPainter& painter) const;
  void DrawObjectMarkers(QPainter& painter) const;
  bool EditorActive() const;

  CWorldViewModel m_model;
  CWorldDoc* m_worldDoc = nullptr;
  std::unique_ptr<WorldDocViewSource> m_worldDocSource;
  ViewScrollSizes m_scrollSizes;
  QRegion m_pending;
  QPointer<QWidget> m_picker;
  int m_blinkTimer = 0;
  bool m_syncingBars = false;
  // Shift + wheel turns not yet scrolled (eighths of a degree times wheel lines).
  int m_sidewaysWheel = 0;
  mutable QList<QRgb> m_colours;
  // The surface in RGB with the dimmed planes blended, kept between paints.
  mutable QImage m_blended;
};

}  // namespace vyr
