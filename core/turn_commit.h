// What the end of a move does to the board it built, and when that board clears the stage. The
// turn counting around it belongs to the play; the solver applies the same two rules to boards
// of its own.
#pragma once

#include "core/board.h"

namespace vantoki {

// Explosions are over by the commit and become Empty, so no snapshot ever holds one.
void clearExplosions(Board& board);

// A stage is cleared by a committed board that holds no star.
bool isStageCleared(const Board& committed);

}  // namespace vantoki
