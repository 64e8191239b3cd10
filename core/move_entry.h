// A press and a release of a direction button, as the play state sees them. The press is the one
// entry to a move: the window's mouse handler, the held-button repeat and replay playback all
// come through here.
#pragma once

#include "core/play_state.h"

namespace vantoki {

constexpr int kLeftMouseButton = 1;
constexpr int kRightMouseButton = 2;

// Records the held direction first, even for a press that is then ignored (another mouse button,
// or a move still animating); otherwise logs the direction at the current turn, resolves the move
// from the current snapshot into workBoard and motionGrid, and starts its animation.
// Returns whether a move was started.
bool pressDirectionButton(PlayState& state, int directionIndex, int mouseButton);

void releaseDirectionButton(PlayState& state);

}  // namespace vantoki
