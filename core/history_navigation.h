// Stepping through the turns of the current play with the four history buttons. Only the shown
// turn changes; the snapshots, the move log and lastTurn stay, so a later move from an earlier
// turn continues the play from there.
#pragma once

#include "core/play_state.h"

namespace vantoki {

// The history buttons, in their order on the play panel.
enum class HistoryButton : int { First = 0, Previous = 1, Next = 2, Last = 3 };

// Moves currentTurn as the button says, clamped to 0..lastTurn. Refused (returns false) while a
// move is animating: its commit would otherwise land after a turn the player never moved from.
bool navigateHistory(PlayState& state, HistoryButton button);

// The stage-clear panel belongs on screen when the shown snapshot is the end of the play, holds
// no star, and at least one move has been made.
bool showsStageClear(const PlayState& state);

}  // namespace vantoki
