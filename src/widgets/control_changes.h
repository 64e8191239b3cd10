// The desktop's one applier of the screen protocol (screen/control_change.h): each change goes to
// the control of its object name in `window`, or to the window itself, and nothing else is
// decided here. A covered control is disabled, so neither the mouse nor Tab reaches it; a list's
// caption is its items, one a line, and a line ending in "/" is a folder; a focused text box has
// its whole text selected. Showing a choice or a
// list's items hands nothing back to the game as the player's doing.
#pragma once

#include <QWidget>

#include "screen/control_change.h"

namespace vantoki {

void applyChange(QWidget* window, const ControlChange& change);

}  // namespace vantoki
