// The drawing of a move in progress, frame by frame, and of the cells its commit settles. A frame
// erases every cell a piece leaves or enters before it draws anything, then draws cell by cell in
// scan order, so a later cell lies on top of an earlier one. Only what moves, counts down or
// explodes is touched; the whole board is redrawn only when a stage is selected or the history
// moves.
#pragma once

#include "core/board.h"
#include "view/board_painter.h"

namespace vantoki {

// Frame `frame` (from 1) of the move from `before` to `after`, the moving pieces animStep × frame
// pixels on their way. Countdown digits jiggle one pixel right on odd frames and left on even
// ones; explosions show the large burst on odd frames and the small one on even ones. Leaves the
// presentBoard to the caller.
void drawMoveFrame(BoardPainter& painter, const Board& before, const Board& after,
                   const MotionGrid& motion, int animStep, int frame);

// The cells of the committed board that the last frame did not leave right: exploded cells
// become floor, pieces are drawn on their ground, arrow blocks with their digit at rest. Leaves
// the presentBoard to the caller.
void drawCommittedCells(BoardPainter& painter, const Board& resolved, const Board& committed);

}  // namespace vantoki
