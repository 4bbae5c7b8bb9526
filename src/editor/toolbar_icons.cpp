// Toolbar icons. The style's own disabled pixmap only greys the colours, so black-and-white
// icons looked enabled when disabled: ours greys and fades them.
#include "editor/toolbar_icons.h"

#include <QImage>
#include <QPixmap>

namespace vyr {

namespace {

constexpr int kDisabledOpacityPercent = 35;

QPixmap Faded(const QPixmap& normal) {
  QImage image = normal.toImage().convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      // Lighten towards mid-grey so dark outlines fade as much as colours do.
      const int grey = 96 + qGray(line[x]) * 160 / 255;
      line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) * kDisabledOpacityPercent / 100);
    }
  }
  return QPixmap::fromImage(image);
}

}  // namespace

QIcon ToolbarIcon(CommandId id) {
  const QPixmap normal(QStringLiteral(":/icons/%1.png").arg(id));
  if (normal.isNull()) return {};
  QIcon icon;
  icon.addPixmap(normal, QIcon::Normal);
  icon.addPixmap(Faded(normal), QIcon::Disabled);
  return icon;
}

}  // namespace vyr
