// The board a move leads to, as the play commits it: the move resolved by the game's rules and
// its explosions cleared. Every search over boards takes its successors from here, so a line of
// moves it finds plays back in the game exactly as it was searched.
#pragma once

#include "core/board.h"

namespace vantoki {

// Overwrites `next` and `motion` entirely; `motion` keeps what moved, before the commit.
void commitMove(const Board& board, int direction, Board& next, MotionGrid& motion);

}  // namespace vantoki
