// The mouse tools' marks over the view, drawn after the surface in window pixels.
#include "editor/tool_overlay.h"

#include <QImage>
#include <algorithm>
#include <climits>
#include <QPainter>
#include <QPen>

#include "commands/world_view_model.h"
#include "resources/dib.h"
#include "resources/image_set.h"
#include "world/game_object.h"
#include "world/plane.h"
#include "world/world_doc.h"

namespace vyr {

namespace {

constexpr qreal kPreviewOpacity = 0.55;

QRect ToQRect(const CRect& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }

// The window rectangle of an inclusive cell rectangle.
QRect CellsInWindow(const CWorldViewModel& model, const ViewPlane& plane, const CRect& cells) {
  const auto at = [](int64_t cell, int32_t tile, int32_t scroll) {
    return int32_t(std::clamp<int64_t>(cell * tile - scroll, INT32_MIN / 2, INT32_MAX / 2));
  };
  return ToQRect(model.Zoom().ToWindow(CRect{at(cells.left, plane.tileWidth, model.ScrollX()),
                                             at(cells.top, plane.tileHeight, model.ScrollY()),
                                             at(int64_t(cells.right) + 1, plane.tileWidth, model.ScrollX()),
                                             at(int64_t(cells.bottom) + 1, plane.tileHeight, model.ScrollY())}));
}

void DashedFrame(QPainter& painter, const QRect& rect, const QColor& colour) {
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::black, 1));
  painter.drawRect(rect.adjusted(0, 0, -1, -1));
  QPen dashes(colour, 1, Qt::DashLine);
  painter.setPen(dashes);
  painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

void PaintPreview(QPainter& painter, const CWorldViewModel& model, const ViewPlane& view, const CPlane& plane,
                  const TileOverlay& overlay, const QList<QRgb>& colours) {
  const CRect& area = *overlay.preview;
  const int32_t columns = area.right - area.left + 1;
  painter.save();
  painter.setOpacity(kPreviewOpacity);
  for (size_t i = 0; i < overlay.previewTiles.size(); ++i) {
    const int32_t c = area.left + int32_t(i) % columns, r = area.top + int32_t(i) / columns;
    if (!plane.InGrid(c, r)) continue;
    const QRect cell = CellsInWindow(model, view, {c, r, c, r});
    const int32_t value = overlay.previewTiles[i];
    if (value == kEmptyTile) {
      painter.fillRect(cell, QColor(255, 255, 255));
    } else if (value == kColourTile) {
      painter.fillRect(cell, QColor::fromRgb(colours.value(plane.m_fillColour & 0xFF)));
    } else if (const CImage* image = plane.LookupTileImage(value)) {
      const CDibG& surface = image->Surface();
      QImage picture(surface.Bits(), surface.Width(), surface.Height(), surface.Pitch(), QImage::Format_Indexed8);
      // Index 0 of a transparent image lets the ground show through, as the plane draws it.
      QList<QRgb> table = colours;
      if (image->m_transparent && !table.isEmpty()) table[0] = qRgba(0, 0, 0, 0);
      picture.setColorTable(table);
      // Drawn as the plane draws it: from the cell's corner, cut at the cell's edge.
      const QRect whole(cell.topLeft(), ToQRect(model.Zoom().ToWindow(CRect{0, 0, surface.Width(), surface.Height()})).size());
      painter.setClipRect(cell);
      painter.drawImage(whole, picture);
      painter.setClipping(false);
    }
  }
  painter.restore();
  DashedFrame(painter, CellsInWindow(model, view, area), Qt::white);
}

}  // namespace

void PaintToolOverlay(QPainter& painter, const CWorldViewModel& model, const CWorldDoc* doc, const QList<QRgb>& colours) {
  const std::optional<ViewPlane> view = model.Plane();
  const CPlane* plane = doc ? doc->CurrentPlane() : nullptr;
  if (!view || !plane) return;
  painter.save();
  if (model.EditMode() == kTileMode) {
    const TileOverlay& overlay = model.Tiles().Tools().Overlay();
    if (overlay.preview && !colours.isEmpty()) PaintPreview(painter, model, *view, *plane, overlay, colours);
    if (overlay.selection) DashedFrame(painter, CellsInWindow(model, *view, *overlay.selection), Qt::yellow);
  } else {
    const std::vector<CGameObject*> objects = model.Objects().SelectedObjects();
    for (size_t i = 1; i < objects.size(); ++i) {
      const CRect bounds = objects[i]->m_bounds;
      DashedFrame(painter,
                  ToQRect(model.Zoom().ToWindow(CRect{bounds.left - model.ScrollX(), bounds.top - model.ScrollY(),
                                                      bounds.right - model.ScrollX(), bounds.bottom - model.ScrollY()})),
                  Qt::yellow);
    }
    if (const std::optional<CRect> band = model.Objects().RubberBand())
      DashedFrame(painter,
                  ToQRect(model.Zoom().ToWindow(CRect{band->left - model.ScrollX(), band->top - model.ScrollY(),
                                                      band->right + 1 - model.ScrollX(), band->bottom + 1 - model.ScrollY()})),
                  Qt::cyan);
  }
  painter.restore();
}

}  // namespace vyr
