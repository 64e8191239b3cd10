// Text from files and folders made safe to print: a stage name or a file name may hold bytes
// that a terminal takes as commands (ESC starts sequences that clear the screen or set the
// window title, BEL rings), so whatever the tool prints that it did not write itself goes
// through here first. Control characters (C0, DEL and C1) and bytes that are not UTF-8 print as
// \xNN, one escape per byte (ESC as \x1b); every other character prints as it is.
#pragma once

#include <string>
#include <string_view>

namespace vantoki::cli {

std::string printable(std::string_view text);

}  // namespace vantoki::cli
