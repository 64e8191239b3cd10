// What a key of the main window's command table does to the game, the same in both shells: the
// hint, the four directions and the four history steps, each only while in reach. A key the game
// does not take (out of reach, or a command without a key action) goes on to the control with
// the focus, so an editor's name box still edits with it.
#pragma once

#include "game/game.h"
#include "layout/command_table.h"

namespace vantoki {

// `press` tells a press from a release; `autoRepeat` marks the keyboard's own repeats. Returns
// whether the game took the key.
bool takeCommandKey(Game& game, const Command& command, bool press, bool autoRepeat);

}  // namespace vantoki
