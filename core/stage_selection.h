// Starting a fresh play of a stage: its cells become snapshot 0 and the counters go back to 0.
// Snapshots 1..500, the rest of the move log and the move in progress are left as they are;
// they lie above lastTurn and are never shown.
#pragma once

#include "core/board.h"
#include "core/play_state.h"

namespace vantoki {

void startPlay(PlayState& state, const Board& stage);

}  // namespace vantoki
