// Bevelled octagons. The rim is eight flat facets, each shaded by how much it faces a light in the
// upper left, which gives the chunky raised look of a game tile at 40 pixels.
#include "octagon_painters.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QTransform>

#include "colour_mixing.h"
#include "octagon_geometry.h"

namespace vantoki {

const QColor kBallBody(44, 100, 212);
const QColor kArrowBlockBody(58, 158, 72);

namespace {

constexpr double kRimWidth = 4.0;
const QPointF kCentre(20.0, 20.0);

// Outward normals of the octagon's edges, in vertex order (top edge first, clockwise).
constexpr double kDiagonal = 0.70710678118654752;
constexpr double kEdgeNormals[8][2] = {
    {0, -1}, {kDiagonal, -kDiagonal}, {1, 0},  {kDiagonal, kDiagonal},
    {0, 1},  {-kDiagonal, kDiagonal}, {-1, 0}, {-kDiagonal, -kDiagonal}};

QColor facetColour(const QColor& body, int edge) {
  const double facing = facingLight(QPointF(kEdgeNormals[edge][0], kEdgeNormals[edge][1]));
  return facing >= 0 ? lighter(body, 0.55 * facing) : darker(body, 0.42 * -facing);
}

void paintBevelledRim(QPainter& painter, const QColor& body) {
  const QPolygonF outer = insetOctagon(0.0);
  const QPolygonF inner = insetOctagon(kRimWidth);
  // The body fill underneath keeps antialiased seams between facets from letting white through.
  painter.setPen(Qt::NoPen);
  painter.setBrush(body);
  painter.drawPolygon(outer);
  for (int edge = 0; edge < 8; ++edge) {
    const int next = (edge + 1) % 8;
    painter.setBrush(facetColour(body, edge));
    painter.drawPolygon(QPolygonF({outer[edge], outer[next], inner[next], inner[edge]}));
  }
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(darker(body, 0.55), 1.0));
  painter.drawPolygon(insetOctagon(0.5));
}

// Pointing left around the origin. The head is long and wide so that its tip and its barbs stay
// visible around a countdown digit drawn over the block's centre.
QPolygonF leftArrow() {
  return QPolygonF({{-13.0, 0.0},
                    {-1.0, -11.5},
                    {-1.0, -4.5},
                    {12.5, -4.5},
                    {12.5, 4.5},
                    {-1.0, 4.5},
                    {-1.0, 11.5}});
}

void paintEmbossedArrow(QPainter& painter, ArrowHeading heading) {
  QTransform turn;
  turn.translate(kCentre.x(), kCentre.y());
  turn.rotate(90.0 * static_cast<int>(heading));
  const QPolygonF arrow = turn.map(leftArrow());

  painter.setPen(Qt::NoPen);
  painter.setBrush(darker(kArrowBlockBody, 0.55));
  painter.drawPolygon(arrow.translated(1.0, 1.0));
  painter.setBrush(lighter(kArrowBlockBody, 0.85));
  painter.drawPolygon(arrow.translated(-0.8, -0.8));
  // A pale face keeps the arrow readable around the black digit and the digit readable on it.
  QLinearGradient face(QPointF(8.0, 8.0), QPointF(32.0, 32.0));
  face.setColorAt(0.0, lighter(kArrowBlockBody, 0.66));
  face.setColorAt(1.0, lighter(kArrowBlockBody, 0.42));
  painter.setBrush(face);
  painter.drawPolygon(arrow);
}

}  // namespace

void paintOctagonSilhouette(QPainter& painter) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::black);
  painter.drawPolygon(insetOctagon(0.0));
}

void paintBall(QPainter& painter) {
  paintBevelledRim(painter, kBallBody);
  QRadialGradient glow(kCentre, 15.0, QPointF(17.5, 17.0));
  glow.setColorAt(0.0, QColor(236, 246, 255));
  glow.setColorAt(0.35, lighter(kBallBody, 0.55));
  glow.setColorAt(1.0, kBallBody);
  painter.setPen(Qt::NoPen);
  painter.setBrush(glow);
  painter.drawPolygon(insetOctagon(kRimWidth));
}

void paintArrowBlock(QPainter& painter, ArrowHeading heading) {
  paintBevelledRim(painter, kArrowBlockBody);
  QLinearGradient face(QPointF(6.0, 6.0), QPointF(34.0, 34.0));
  face.setColorAt(0.0, lighter(kArrowBlockBody, 0.12));
  face.setColorAt(1.0, darker(kArrowBlockBody, 0.08));
  painter.setPen(Qt::NoPen);
  painter.setBrush(face);
  painter.drawPolygon(insetOctagon(kRimWidth));
  paintEmbossedArrow(painter, heading);
}

}  // namespace vantoki
