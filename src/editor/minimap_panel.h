// CMinimapPanel: the "Mapa" panel, the whole current plane with the view's rectangle; a click or a drag scrolls the view there.
#pragma once

#include <QWidget>
#include <memory>

#include "commands/minimap.h"

namespace vyr {

class CWorldDoc;
class CWorldView;

class CMinimapPanel : public QWidget {
  Q_OBJECT

 public:
  // The picture is at most this many pixels on a side; the panel scales it to fit.
  static constexpr int32_t kPictureSide = 256;

  CMinimapPanel(CWorldDoc& document, CWorldView& view, QWidget* parent = nullptr);
  ~CMinimapPanel() override;
  QSize sizeHint() const override { return {220, 220}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  // Where the picture lands in the panel: scaled to fit, its proportions kept, centred.
  QRect PictureRect(const CMinimap& picture) const;
  void ScrollViewTo(QPoint at);

  CWorldView& m_view;
  CMinimapModel m_model;
};

}  // namespace vyr
