// The local changes a stage search tries: move, add, remove or swap a piece, grow or cut a
// platform, add, stretch, shorten or remove a ladder. A changed stage has its pieces settled
// (stage_cells.h) and still holds the pieces a generated stage may hold; a change that would
// break that is drawn again.
#pragma once

#include "core/board.h"
#include "generator/random_source.h"

namespace vantoki {

// One to three changes of `stage`; `stage` itself when no draw gave a stage that may be held.
Board mutateStage(const Board& stage, RandomSource& random);

}  // namespace vantoki
