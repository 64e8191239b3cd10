#include "core/history_navigation.h"

#include <algorithm>

namespace vantoki {

bool navigateHistory(PlayState& state, HistoryButton button) {
  if (state.animating != 0) {
    return false;
  }
  int turn = state.currentTurn;
  switch (button) {
    case HistoryButton::First:
      turn = 0;
      break;
    case HistoryButton::Previous:
      turn = std::max(turn - 1, 0);
      break;
    case HistoryButton::Next:
      turn = std::min(turn + 1, static_cast<int>(state.lastTurn));
      break;
    case HistoryButton::Last:
      turn = state.lastTurn;
      break;
  }
  state.currentTurn = static_cast<std::int16_t>(turn);
  return true;
}

bool showsStageClear(const PlayState& state) {
  return state.currentTurn != 0 && state.currentTurn == state.lastTurn &&
         countTiles(state.currentBoard(), Tile::Star) == 0;
}

}  // namespace vantoki
