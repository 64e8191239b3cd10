// The rule book of one move. From the board at the start of the move and the direction pressed,
// builds the board after the move and the motion of every piece that moves. The whole board
// moves at once: players walk, climb, push and kick; loose bombs, stars and players fall one
// cell; a bomb and a star that meet explode; every arrow block counts down and, at the end of its
// count, flies one cell and becomes a ball.
//
// Pieces move only into cells that were Empty at the start of the move and are still Empty in
// the board being built, and the board is visited row by row from the top, left to right, so the
// piece visited first wins a contested cell. A cell outside the board counts as Wall: nothing is
// read or written outside the 15 × 15 array, whatever the board holds.
#pragma once

#include <span>

#include "core/board.h"
#include "core/framed_board.h"

namespace vantoki {

// `direction` is a direction index; any other value moves no player but still lets pieces fall
// and arrow blocks count down. Reads only `before`; overwrites `work` and `motion` entirely.
void resolveMove(const Board& before, int direction, Board& work, MotionGrid& motion);

// The same move on framed boards, for a search that keeps its boards framed and knows where their
// pieces are, and needs no motion: `pieces` lists, in scan order, framed cells among which are
// all that hold a piece (isPieceCode). `work` must not be `before`; its frame is left as Wall.
void resolveFramedMove(const FramedCells& before, int direction, FramedCells& work,
                       std::span<const PieceCell> pieces);

}  // namespace vantoki
