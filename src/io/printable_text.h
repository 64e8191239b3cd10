// Text from files and folders made safe to show: a stage name or a file name may hold bytes that
// are not UTF-8, or that a terminal takes as commands (ESC starts sequences that clear the screen
// or set the window title, BEL rings), so whatever vantoki-cli prints and the file dialog lists
// that the program did not write itself goes through here first. Control characters (C0, DEL and
// C1) and bytes that are not UTF-8 show as \xNN, one escape per byte (ESC as \x1b). A byte that
// code page 932 could not read, kept as the private-use character U+F700 + the byte (io/cp932.h),
// shows as that byte, \xNN, where it would otherwise show as nothing. A backslash shows as \\,
// so every \x in the shown text is an escape and the text reads back unambiguously. Every other
// character shows as it is.
#pragma once

#include <string>
#include <string_view>

namespace vantoki {

std::string printable(std::string_view text);

// Whether every byte of `text` belongs to a well-formed UTF-8 character: no overlong forms,
// surrogates or code points past U+10FFFF.
bool isUtf8(std::string_view text);

}  // namespace vantoki
