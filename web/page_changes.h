// The page's one applier of the screen protocol (screen/control_change.h): each change of a
// control of `window` goes to the page's element of that control (page_controls.h), which the
// page script shows as the window shows it; a picture goes to its canvas pixel for pixel.
#pragma once

#include <string_view>

#include "screen/control_change.h"

namespace vantoki {

void applyPageChange(std::string_view window, const ControlChange& change);

}  // namespace vantoki
