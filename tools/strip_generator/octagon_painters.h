// Painters of the octagonal pieces: the ball (cell 6) and the four arrow blocks (cells 7 to 10).
// All of them fill exactly the outline of octagon_geometry.h; the shared mask comes from
// paintOctagonSilhouette, never from the individual paintings.
#pragma once

#include <QColor>
#include <QPainter>

namespace vantoki {

// The arrow blocks' order in the sprite strip, which is also the game's direction index.
enum class ArrowHeading : int { Left = 0, Up = 1, Right = 2, Down = 3 };

extern const QColor kBallBody;
extern const QColor kArrowBlockBody;

void paintOctagonSilhouette(QPainter& painter);
void paintBall(QPainter& painter);
void paintArrowBlock(QPainter& painter, ArrowHeading heading);

}  // namespace vantoki
