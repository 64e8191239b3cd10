// Blending and lighting helpers shared by the piece painters, so every shade of a piece derives
// from its one base colour and all bevels agree on where the light comes from.
#pragma once

#include <QColor>
#include <QPointF>

#include <algorithm>

namespace vantoki {

// t = 0 gives a, t = 1 gives b.
inline QColor mixColours(const QColor& a, const QColor& b, double t) {
  const auto channel = [t](int from, int to) {
    return std::clamp(static_cast<int>(from + (to - from) * t + 0.5), 0, 255);
  };
  return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                channel(a.blue(), b.blue()));
}

inline QColor lighter(const QColor& colour, double t) {
  return mixColours(colour, Qt::white, t);
}

inline QColor darker(const QColor& colour, double t) {
  return mixColours(colour, Qt::black, t);
}

inline QColor withAlpha(QColor colour, int alpha) {
  colour.setAlpha(alpha);
  return colour;
}

// How much a surface with the given outward unit normal faces the light from the upper left:
// 1 straight at it, -1 straight away.
inline double facingLight(const QPointF& normal) {
  const QPointF towardsLight(-0.55, -0.84);
  return normal.x() * towardsLight.x() + normal.y() * towardsLight.y();
}

}  // namespace vantoki
