#include "core/turn_commit.h"

#include <algorithm>

namespace vantoki {

CommitResult commitTurn(PlayState& state) {
  CommitResult result;
  state.currentTurn = static_cast<std::int16_t>(state.currentTurn + 1);
  state.lastTurn = state.currentTurn;
  state.animating = 0;
  result.shownTurn = state.currentTurn;
  if (state.currentTurn > kTurnLimit) {
    result.turnLimitReached = true;
    state.currentTurn = kTurnLimit;
    state.lastTurn = kTurnLimit;
  }
  std::replace(state.workBoard.cells().begin(), state.workBoard.cells().end(),
               code(Tile::Explosion), code(Tile::Empty));
  state.boardHistory[state.currentTurn] = state.workBoard;
  result.starCount = countTiles(state.workBoard, Tile::Star);
  return result;
}

}  // namespace vantoki
