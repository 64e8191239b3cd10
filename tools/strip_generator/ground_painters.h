// Painters of the three sprite strip cells that cover their whole cell: the floor (cell 0), the
// granite wall (cell 1) and the ladder (cell 2). They are copied as ground under the other
// pieces, so they stay quiet enough for a piece drawn on them to read at a glance.
#pragma once

#include <QPainter>

namespace vantoki {

void paintFloor(QPainter& painter);
void paintGranite(QPainter& painter);
void paintLadder(QPainter& painter);

}  // namespace vantoki
