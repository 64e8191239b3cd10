// Which command of the main window a key stands for, read from the keys of the command table
// (layout/command_table.h): the arrow keys for the direction buttons, Home, Backspace / Ctrl+Z,
// Ctrl+Y / Ctrl+Shift+Z and End for the history buttons, and H for a hint.
#pragma once

#include <Qt>

#include "layout/command_table.h"

namespace vantoki {

// Null when the key with these modifiers is no command's. The keypad's own modifier only says
// where a key sits and is not part of a chord.
const Command* commandForKey(int key, Qt::KeyboardModifiers modifiers);

}  // namespace vantoki
