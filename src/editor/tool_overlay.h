// What the mouse tools draw over the view: the cell selection, the brush or stamp preview,
// the rubber band and the frames of the other selected objects.
#pragma once

#include <QList>
#include <QRgb>

class QPainter;

namespace vyr {

class CWorldDoc;
class CWorldViewModel;

// Draws in window pixels; `colours` is the palette as the view shows it.
void PaintToolOverlay(QPainter& painter, const CWorldViewModel& model, const CWorldDoc* doc, const QList<QRgb>& colours);

}  // namespace vyr
