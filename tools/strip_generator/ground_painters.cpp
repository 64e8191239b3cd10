// Ground tiles. The granite grain comes from a coordinate hash rather than a random generator so
// that the strip is byte-identical on every run.
#include "ground_painters.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <algorithm>
#include <cstdint>

#include "colour_mixing.h"
#include "octagon_geometry.h"
#include "view/picture_strip_layout.h"

namespace vantoki {
namespace {

const QColor kFloorLight(156, 238, 244);
const QColor kFloorDeep(88, 204, 224);
const QColor kGraniteBase(184, 128, 122);
const QColor kLadderGround(214, 242, 206);
const QColor kLadderTint(150, 210, 150);

double grainNoise(int x, int y, std::uint32_t salt) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                    static_cast<std::uint32_t>(y) * 668265263u + salt * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xffffu) / 65535.0;
}

void fillPixel(QPainter& painter, int x, int y, const QColor& colour) {
  painter.fillRect(QRect(x, y, 1, 1), colour);
}

QColor graniteGrain(int x, int y) {
  // A soft light from the upper left keeps the block from looking flat.
  const QColor lit = mixColours(lighter(kGraniteBase, 0.12), darker(kGraniteBase, 0.08),
                                (x + y) / (2.0 * kCellPixels));
  const double fleck = grainNoise(x, y, 1);
  if (fleck < 0.07) {
    return darker(lit, 0.32);
  }
  if (fleck < 0.13) {
    return lighter(lit, 0.38);
  }
  if (fleck < 0.20) {
    return mixColours(lit, QColor(120, 96, 110), 0.35);
  }
  const double jitter = grainNoise(x, y, 2) - 0.5;
  return jitter < 0 ? darker(lit, -jitter * 0.10) : lighter(lit, jitter * 0.12);
}

// Two-pixel bevel: light on the top and left edges, dark on the bottom and right.
QColor graniteBevel(int x, int y, const QColor& grain) {
  const int last = kCellPixels - 1;
  const int fromLit = std::min(x, y);
  const int fromShade = std::min(last - x, last - y);
  if (fromShade <= 1 && fromShade <= fromLit) {
    return darker(grain, fromShade == 0 ? 0.42 : 0.22);
  }
  if (fromLit <= 1) {
    return lighter(grain, fromLit == 0 ? 0.45 : 0.25);
  }
  return grain;
}

}  // namespace

void paintFloor(QPainter& painter) {
  QLinearGradient shade(QPointF(0, kCellPixels), QPointF(kCellPixels, 0));
  shade.setColorAt(0.0, kFloorLight);
  shade.setColorAt(1.0, kFloorDeep);
  painter.fillRect(QRectF(0, 0, kCellPixels, kCellPixels), shade);
  // A faint seam on the top and left edges lets a field of floor read as tiles.
  const QColor seam = withAlpha(darker(kFloorDeep, 0.25), 60);
  painter.fillRect(QRect(0, 0, kCellPixels, 1), seam);
  painter.fillRect(QRect(0, 1, 1, kCellPixels - 1), seam);
}

void paintGranite(QPainter& painter) {
  for (int y = 0; y < kCellPixels; ++y) {
    for (int x = 0; x < kCellPixels; ++x) {
      fillPixel(painter, x, y, graniteBevel(x, y, graniteGrain(x, y)));
    }
  }
  constexpr int kFrameInset = 4;
  const int span = kCellPixels - 2 * kFrameInset;
  const QColor frame = lighter(kGraniteBase, 0.62);
  const QColor groove = darker(kGraniteBase, 0.28);
  // The groove under the light line makes the frame look cut into the stone.
  painter.fillRect(QRect(kFrameInset + 1, kFrameInset + 1, span, 1), groove);
  painter.fillRect(QRect(kFrameInset + 1, kFrameInset + 1, 1, span), groove);
  painter.fillRect(QRect(kFrameInset, kFrameInset, span, 1), frame);
  painter.fillRect(QRect(kFrameInset, kFrameInset + span - 1, span, 1), frame);
  painter.fillRect(QRect(kFrameInset, kFrameInset, 1, span), frame);
  painter.fillRect(QRect(kFrameInset + span - 1, kFrameInset, 1, span), frame);
}

void paintLadder(QPainter& painter) {
  painter.fillRect(QRectF(0, 0, kCellPixels, kCellPixels), kLadderGround);
  painter.setPen(QPen(mixColours(kLadderGround, kLadderTint, 0.6), 1.2));
  painter.setBrush(mixColours(kLadderGround, kLadderTint, 0.16));
  painter.drawPolygon(insetOctagon(1.0));

  QPainterPath arrow;
  arrow.addPolygon(
      QPolygonF({{20, 8}, {31, 19}, {24.5, 19}, {24.5, 32}, {15.5, 32}, {15.5, 19}, {9, 19}}));
  arrow.closeSubpath();
  painter.setPen(QPen(mixColours(kLadderGround, kLadderTint, 0.55), 1.0));
  painter.setBrush(mixColours(kLadderGround, kLadderTint, 0.32));
  painter.drawPath(arrow);
}

}  // namespace vantoki
