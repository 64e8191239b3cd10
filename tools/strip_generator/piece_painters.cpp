// Free-standing pieces. Every piece has a dark outline all round: under a hard mask edge the
// outline is what meets the ground, so it must be the piece's darkest colour.
#include "piece_painters.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

#include "colour_mixing.h"

namespace vantoki {

const QColor kRobotOutline(64, 36, 18);
const QColor kBombOutline(28, 15, 8);
const QColor kStarOutline(84, 36, 122);

namespace {

const QColor kRobotBrown(178, 112, 58);
const QColor kTrackGrey(84, 72, 64);
const QColor kEyeGlow(150, 236, 255);
const QColor kAntennaTip(250, 196, 72);
const QColor kBombBrown(92, 56, 34);
const QColor kFuse(206, 174, 118);
const QColor kStarPurple(128, 64, 192);

void paintTracks(QPainter& painter) {
  const QRectF track(5.5, 28.5, 29, 9);
  QLinearGradient shade(track.topLeft(), track.bottomLeft());
  shade.setColorAt(0.0, lighter(kTrackGrey, 0.25));
  shade.setColorAt(1.0, darker(kTrackGrey, 0.25));
  painter.setPen(QPen(kRobotOutline, 1.2));
  painter.setBrush(shade);
  painter.drawRoundedRect(track, 4.5, 4.5);

  painter.setPen(QPen(darker(kTrackGrey, 0.45), 0.9));
  painter.setBrush(lighter(kTrackGrey, 0.45));
  for (const double x : {11.0, 20.0, 29.0}) {
    painter.drawEllipse(QPointF(x, 33.0), 2.8, 2.8);
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(darker(kTrackGrey, 0.3));
  for (const double x : {11.0, 20.0, 29.0}) {
    painter.drawEllipse(QPointF(x, 33.0), 0.9, 0.9);
  }
}

void paintAntennae(QPainter& painter) {
  painter.setPen(QPen(kRobotOutline, 1.6, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(15.0, 11.5), QPointF(10.5, 4.0));
  painter.drawLine(QPointF(25.0, 11.5), QPointF(29.5, 4.0));
  painter.setPen(QPen(kRobotOutline, 1.0));
  painter.setBrush(kAntennaTip);
  painter.drawEllipse(QPointF(10.5, 4.0), 2.4, 2.4);
  painter.drawEllipse(QPointF(29.5, 4.0), 2.4, 2.4);
}

void paintDomedBody(QPainter& painter) {
  QPainterPath body;
  body.moveTo(8.0, 29.5);
  body.lineTo(8.0, 21.0);
  body.arcTo(QRectF(8.0, 9.0, 24.0, 24.0), 180.0, -180.0);
  body.lineTo(32.0, 29.5);
  body.closeSubpath();
  QLinearGradient shade(QPointF(11.0, 10.0), QPointF(30.0, 30.0));
  shade.setColorAt(0.0, lighter(kRobotBrown, 0.35));
  shade.setColorAt(0.5, kRobotBrown);
  shade.setColorAt(1.0, darker(kRobotBrown, 0.35));
  painter.setPen(QPen(kRobotOutline, 1.3));
  painter.setBrush(shade);
  painter.drawPath(body);

  // A soft gloss on the dome sells the rounded shape.
  painter.setPen(Qt::NoPen);
  painter.setBrush(withAlpha(Qt::white, 110));
  painter.drawEllipse(QRectF(12.0, 11.0, 7.0, 3.5));

  // The seam where the dome meets the lower body.
  painter.setPen(QPen(darker(kRobotBrown, 0.4), 1.0));
  painter.drawLine(QPointF(8.8, 24.5), QPointF(31.2, 24.5));
}

void paintFace(QPainter& painter) {
  painter.setPen(QPen(kRobotOutline, 1.0));
  painter.setBrush(darker(kRobotBrown, 0.72));
  painter.drawRoundedRect(QRectF(11.5, 15.0, 17.0, 7.0), 3.5, 3.5);

  painter.setPen(Qt::NoPen);
  painter.setBrush(kEyeGlow);
  painter.drawEllipse(QPointF(16.0, 18.5), 2.3, 2.3);
  painter.drawEllipse(QPointF(24.0, 18.5), 2.3, 2.3);
  painter.setBrush(Qt::white);
  painter.drawEllipse(QPointF(15.3, 17.8), 0.9, 0.9);
  painter.drawEllipse(QPointF(23.3, 17.8), 0.9, 0.9);

  // Two indicator lamps on the chest plate.
  painter.setPen(QPen(darker(kRobotBrown, 0.5), 0.8));
  painter.setBrush(darker(kRobotBrown, 0.2));
  painter.drawRoundedRect(QRectF(15.0, 25.8, 10.0, 2.8), 1.2, 1.2);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 96, 64));
  painter.drawEllipse(QPointF(17.8, 27.2), 0.9, 0.9);
  painter.setBrush(QColor(120, 230, 110));
  painter.drawEllipse(QPointF(22.2, 27.2), 0.9, 0.9);
}

QPolygonF starPoints(const QPointF& centre, double outer, double inner) {
  QPolygonF points;
  for (int i = 0; i < 10; ++i) {
    const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
    const double radius = i % 2 == 0 ? outer : inner;
    points << centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
  }
  return points;
}

}  // namespace

void paintRobot(QPainter& painter) {
  paintAntennae(painter);
  paintTracks(painter);
  paintDomedBody(painter);
  paintFace(painter);
}

void paintBomb(QPainter& painter) {
  const QPointF centre(18.5, 23.5);
  constexpr double kRadius = 13.0;

  // The fuse goes first so that the cap hides where it enters the bomb.
  QPainterPath fuse;
  fuse.moveTo(26.5, 11.0);
  fuse.cubicTo(QPointF(29.0, 5.5), QPointF(33.5, 9.5), QPointF(34.5, 4.5));
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kBombOutline, 3.2, Qt::SolidLine, Qt::RoundCap));
  painter.drawPath(fuse);
  painter.setPen(QPen(kFuse, 1.6, Qt::SolidLine, Qt::RoundCap));
  painter.drawPath(fuse);

  QRadialGradient shade(centre, kRadius, QPointF(13.5, 18.0));
  shade.setColorAt(0.0, lighter(kBombBrown, 0.42));
  shade.setColorAt(0.45, kBombBrown);
  shade.setColorAt(1.0, darker(kBombBrown, 0.55));
  painter.setPen(QPen(kBombOutline, 1.2));
  painter.setBrush(shade);
  painter.drawEllipse(centre, kRadius, kRadius);

  painter.save();
  painter.translate(25.5, 12.5);
  painter.rotate(45.0);
  painter.setPen(QPen(kBombOutline, 1.0));
  painter.setBrush(mixColours(kBombBrown, QColor(160, 150, 140), 0.6));
  painter.drawRoundedRect(QRectF(-3.5, -2.6, 7.0, 5.2), 1.0, 1.0);
  painter.restore();

  painter.setPen(Qt::NoPen);
  painter.setBrush(withAlpha(Qt::white, 150));
  painter.save();
  painter.translate(13.0, 17.5);
  painter.rotate(-35.0);
  painter.drawEllipse(QRectF(-3.5, -2.0, 7.0, 4.0));
  painter.restore();

  // The spark at the end of the fuse.
  painter.setPen(QPen(QColor(232, 88, 24), 0.8));
  painter.setBrush(QColor(255, 214, 64));
  painter.drawPolygon(starPoints(QPointF(34.5, 4.0), 3.8, 1.6));
}

void paintStar(QPainter& painter) {
  const QPointF centre(20.0, 21.5);
  const QPolygonF points = starPoints(centre, 18.0, 7.6);

  QRadialGradient shade(QPointF(17.0, 16.0), 19.0);
  shade.setColorAt(0.0, Qt::white);
  shade.setColorAt(0.35, lighter(kStarPurple, 0.72));
  shade.setColorAt(0.75, lighter(kStarPurple, 0.25));
  shade.setColorAt(1.0, kStarPurple);
  painter.setPen(Qt::NoPen);
  painter.setBrush(shade);
  painter.drawPolygon(points);

  // Each of the ten facets is lit by how much its outer edge faces the light.
  for (int i = 0; i < 10; ++i) {
    const QPointF a = points[i];
    const QPointF b = points[(i + 1) % 10];
    const QPointF edge = b - a;
    const double length = std::hypot(edge.x(), edge.y());
    const QPointF normal(edge.y() / length, -edge.x() / length);
    const double facing = facingLight(normal);
    painter.setBrush(facing > 0
                         ? withAlpha(Qt::white, static_cast<int>(90 * facing))
                         : withAlpha(darker(kStarPurple, 0.4), static_cast<int>(-70 * facing)));
    painter.drawPolygon(QPolygonF({centre, a, b}));
  }

  painter.setPen(QPen(kStarOutline, 1.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPolygon(points);
}

}  // namespace vantoki
