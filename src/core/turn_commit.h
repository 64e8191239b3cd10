// A move as the play commits it: resolved by the rules of a move, then its explosions cleared,
// and when that board clears the stage. The play, the solver, the generator and the help page's
// scenes all make their moves through commitMove, so a line of moves found or shown anywhere plays
// back in the game exactly as it was made.
#pragma once

#include "core/board.h"

namespace vantoki {

// Overwrites `committed` and `motion` entirely; `motion` keeps what moved, before the commit.
// `resolved`, when given, receives the board the move built, explosions and all, as its
// animation shows it.
void commitMove(const Board& before, int direction, Board& committed, MotionGrid& motion,
                Board* resolved = nullptr);

// Explosions are over by the commit and become Empty, so no snapshot ever holds one.
void clearExplosions(Board& board);

// A stage is cleared by a committed board that holds no star.
bool isStageCleared(const Board& committed);

}  // namespace vantoki
