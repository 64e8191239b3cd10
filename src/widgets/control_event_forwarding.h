// The desktop's one forwarder of the controls' events (screen/control_events.h): every button,
// option, radio choice, link, picture, text box and list of a window built from its layout table
// hands what the player does to it on by its object name, and nothing else. A button that can be
// checked shows only what its window says: its own toggle on a click is taken back before the
// click is handed on (as far as its group lets it), and the game or the dialog says whether it is
// now checked.
#pragma once

#include <QWidget>

#include "screen/control_events.h"

namespace vantoki {

// `events` must outlive the window's controls.
void forwardControlEvents(QWidget* window, ControlEvents& events);

}  // namespace vantoki
