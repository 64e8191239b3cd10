#include "core/turn_commit.h"

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
  // One pass that clears the explosions and stores the snapshot, with a select rather than a
  // conditional store, so it runs on whole vectors: the solver commits millions of boards.
  auto& work = state.workBoard.cells();
  auto& snapshot = state.boardHistory[state.currentTurn].cells();
  for (std::size_t cell = 0; cell < work.size(); ++cell) {
    const TileCode value = work[cell] == code(Tile::Explosion) ? code(Tile::Empty) : work[cell];
    work[cell] = value;
    snapshot[cell] = value;
  }
  result.starCount = countTiles(state.workBoard, Tile::Star);
  return result;
}

}  // namespace vantoki
