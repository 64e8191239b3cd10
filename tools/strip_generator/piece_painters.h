// Painters of the free-standing pieces: the robot (cell 3), the bomb (cell 4) and the star
// (cell 5). Each paints on a transparent canvas; its silhouette becomes the mask, and the outline
// colour it exposes is the backing that keeps the hard mask edge dark rather than pale.
#pragma once

#include <QColor>
#include <QPainter>

namespace vantoki {

extern const QColor kRobotOutline;
extern const QColor kBombOutline;
extern const QColor kStarOutline;

void paintRobot(QPainter& painter);
void paintBomb(QPainter& painter);
void paintStar(QPainter& painter);

}  // namespace vantoki
