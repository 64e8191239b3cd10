// Flame-coloured spiky stars. The large burst's spikes vary in length by a fixed pattern, so the
// frame looks ragged yet comes out the same on every run.
#include "burst_painters.h"

#include <QRadialGradient>

#include <cmath>
#include <numbers>
#include <span>

#include "colour_mixing.h"

namespace vantoki {

const QColor kBurstOutline(188, 52, 14);

namespace {

const QPointF kCentre(20.0, 20.0);

QPolygonF spikes(std::span<const double> tips, double inner, double turn) {
  QPolygonF points;
  const double step = std::numbers::pi / static_cast<double>(tips.size());
  for (std::size_t i = 0; i < tips.size(); ++i) {
    const double tip = turn + 2.0 * step * static_cast<double>(i);
    const double notch = tip + step;
    points << kCentre + QPointF(std::cos(tip), std::sin(tip)) * tips[i];
    points << kCentre + QPointF(std::cos(notch), std::sin(notch)) * inner;
  }
  return points;
}

QRadialGradient flame(double radius) {
  QRadialGradient gradient(kCentre, radius);
  gradient.setColorAt(0.0, QColor(255, 252, 214));
  gradient.setColorAt(0.3, QColor(255, 224, 92));
  gradient.setColorAt(0.65, QColor(255, 152, 36));
  gradient.setColorAt(1.0, QColor(236, 84, 22));
  return gradient;
}

void paintFlame(QPainter& painter, const QPolygonF& shape, double radius) {
  painter.setPen(QPen(kBurstOutline, 1.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.setBrush(flame(radius));
  painter.drawPolygon(shape);
}

}  // namespace

void paintSmallBurst(QPainter& painter) {
  constexpr double kTips[] = {12.0, 9.0, 12.0, 9.0, 12.0, 9.0, 12.0, 9.0};
  paintFlame(painter, spikes(kTips, 5.0, -std::numbers::pi / 2), 12.0);
}

void paintLargeBurst(QPainter& painter) {
  constexpr double kOuterTips[] = {19.0, 15.0, 18.0, 14.5, 19.0, 16.0,
                                   17.5, 15.0, 19.0, 14.5, 18.0, 16.0};
  paintFlame(painter, spikes(kOuterTips, 10.5, -std::numbers::pi / 2), 19.0);

  // A bright inner flame, turned half a spike, makes the big frame read as a second, hotter beat.
  constexpr double kInnerTips[] = {11.0, 9.0, 11.0, 9.0, 11.0, 9.0, 11.0, 9.0};
  painter.setPen(Qt::NoPen);
  QRadialGradient core(kCentre, 11.0);
  core.setColorAt(0.0, Qt::white);
  core.setColorAt(0.45, QColor(255, 246, 168));
  core.setColorAt(1.0, withAlpha(QColor(255, 206, 64), 0));
  painter.setBrush(core);
  painter.drawPolygon(spikes(kInnerTips, 6.0, -std::numbers::pi / 2 + std::numbers::pi / 8));
}

}  // namespace vantoki
