// The one octagon outline of the ball and the arrow blocks. Both must cover exactly the same
// pixels, so that an arrow block drawn over a ball hides it completely; the ladder repeats the
// shape faintly so the board reads as one family of tiles.
#pragma once

#include <QPolygonF>
#include <QRectF>

#include <cmath>

namespace vantoki {

inline const QRectF kOctagonBounds(2.0, 2.0, 36.0, 36.0);
constexpr double kOctagonCut = 10.5;  // near-regular for a 36-pixel box

// Vertices clockwise from the left end of the top edge; edge i runs from vertex i to i + 1.
inline QPolygonF octagon(const QRectF& bounds, double cut) {
  return QPolygonF({{bounds.left() + cut, bounds.top()},
                    {bounds.right() - cut, bounds.top()},
                    {bounds.right(), bounds.top() + cut},
                    {bounds.right(), bounds.bottom() - cut},
                    {bounds.right() - cut, bounds.bottom()},
                    {bounds.left() + cut, bounds.bottom()},
                    {bounds.left(), bounds.bottom() - cut},
                    {bounds.left(), bounds.top() + cut}});
}

// The block octagon with every edge moved inwards by the same distance, diagonals included.
inline QPolygonF insetOctagon(double inset) {
  const double cut = kOctagonCut - inset * (2.0 - std::sqrt(2.0));
  return octagon(kOctagonBounds.adjusted(inset, inset, -inset, -inset), cut);
}

}  // namespace vantoki
