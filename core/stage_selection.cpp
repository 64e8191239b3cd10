#include "core/stage_selection.h"

namespace vantoki {

void startPlay(PlayState& state, const Board& stage) {
  state.boardHistory[0] = stage;
  state.moveLog[0] = 0;
  state.currentTurn = 0;
  state.lastTurn = 0;
}

}  // namespace vantoki
