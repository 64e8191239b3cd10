// Reuses the strip painters at icon scale, so the icon always matches the pieces on the board.
#include "icon_painter.h"

#include <QPainter>
#include <QPainterPath>

#include "ground_painters.h"
#include "piece_painters.h"
#include "view/picture_strip_layout.h"

namespace vantoki {

QImage paintIcon() {
  QImage icon(kIconSize, kIconSize, QImage::Format_ARGB32);
  icon.fill(Qt::transparent);
  QPainter painter(&icon);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);

  const QRectF tile(0.5, 0.5, kIconSize - 1.0, kIconSize - 1.0);
  QPainterPath rounded;
  rounded.addRoundedRect(tile, 6.0, 6.0);
  const double scale = static_cast<double>(kIconSize) / kCellPixels;
  painter.save();
  painter.setClipPath(rounded);
  painter.scale(scale, scale);
  paintFloor(painter);
  painter.restore();
  painter.setPen(QPen(QColor(40, 140, 164), 1.0));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(rounded);

  // The robot is scaled to sit just inside the tile's border, antenna tips included.
  constexpr double kRobotScale = 0.78;
  const QPointF robotCentre(20.0, 19.6);
  painter.translate(kIconSize / 2.0, kIconSize / 2.0);
  painter.scale(kRobotScale, kRobotScale);
  painter.translate(-robotCentre);
  paintRobot(painter);
  painter.end();
  return icon;
}

}  // namespace vantoki
