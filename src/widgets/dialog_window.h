// A dialog of the game on the desktop, whatever dialog it is: its window built from its
// controller's layout table, the controller's changes applied to it, every event of its controls
// handed to the controller (screen/dialog_controller.h). Modal to its owner and centred on it;
// it closes once the controller says so, or by its own close control or Escape.
#pragma once

#include <QWidget>

#include "screen/dialog_controller.h"

namespace vantoki {

void runDialog(DialogController& controller, QWidget* owner);

}  // namespace vantoki
