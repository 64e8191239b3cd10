// Stepping through the turns of a play: the four ways to move the shown turn, and where each one
// leads. Only the shown turn changes, so a later move from an earlier turn continues the play
// from there.
#pragma once

#include <algorithm>

namespace vantoki {

// Numbered as the window lays out its history controls, left to right.
enum class HistoryStep : int { First = 0, Previous = 1, Next = 2, Last = 3 };

// The turn shown after the step, always within 0..lastTurn.
constexpr int turnAfterStep(HistoryStep step, int currentTurn, int lastTurn) {
  switch (step) {
    case HistoryStep::First:
      return 0;
    case HistoryStep::Previous:
      return std::max(currentTurn - 1, 0);
    case HistoryStep::Next:
      return std::min(currentTurn + 1, lastTurn);
    case HistoryStep::Last:
      return lastTurn;
  }
  return currentTurn;
}

}  // namespace vantoki
