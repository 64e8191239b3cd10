// The end of a move: the board built by the move becomes the next snapshot of the play.
// Explosions are over by then and become Empty, so no snapshot ever holds one. The play keeps at
// most 500 turns: a move past that replaces turn 500 and the caller is told to say so.
#pragma once

#include "core/play_state.h"

namespace vantoki {

struct CommitResult {
  int shownTurn = 0;  // the turn the labels show: 501 for a move past the limit
  bool turnLimitReached = false;
  int starCount = 0;  // stars on the committed board

  bool stageCleared() const { return starCount == 0; }
};

CommitResult commitTurn(PlayState& state);

}  // namespace vantoki
