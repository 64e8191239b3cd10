#include "core/move_entry.h"

#include "core/move_resolution.h"

namespace vantoki {

bool pressDirectionButton(PlayState& state, int directionIndex, int mouseButton) {
  state.heldButton = static_cast<std::int16_t>(directionIndex + 1);
  if (mouseButton != kLeftMouseButton || state.animating != 0) {
    return false;
  }
  state.moveLog[state.currentTurn] = static_cast<std::int16_t>(directionIndex);
  resolveMove(state.boardHistory[state.currentTurn], directionIndex, state.workBoard,
              state.motionGrid);
  state.animating = 1;
  return true;
}

void releaseDirectionButton(PlayState& state) {
  state.heldButton = 0;
}

}  // namespace vantoki
