// How a file or folder name shows in the game's file dialog. A name on disk is any bytes but "/"
// and NUL, whatever the system's encoding: a name that is UTF-8 shows as it is; one that is not
// but reads wholly as code page 932 (a name made on Japanese Windows) shows as those characters;
// anything else shows as UTF-8 with each byte that is not escaped as \xNN. Control characters
// show escaped too, so every name takes one line and nothing in it is invisible.
//
// The shown text is only for the eye and may stand for more than one name; whoever opens the file
// keeps the name's own bytes.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vantoki {

std::string shownFileName(std::string_view name);

// Each name along the path shown as above, joined by "/".
std::string shownPath(const std::filesystem::path& path);

}  // namespace vantoki
