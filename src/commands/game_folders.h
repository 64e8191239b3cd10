// Where the game's own files are on this machine, worked out from plain paths so that the rule
// can be checked without a desktop: the shipped data, found from the program's own place, and the
// player's own folder.
//
// The shipped data lies a fixed relative path away from the program in every installation (a
// package, `cmake --install` under any prefix) and beside the program in the build tree, so the
// same program finds it in all three without being told where it was installed.
#pragma once

#include <filesystem>

namespace vantoki {

// The folder `dataFromProgram` (a relative path) away from `programFolder` when it holds the
// shipped stage sets (a stagedata folder), else `programFolder` itself. Lexically normal, so
// the dialogs show it without "..".
std::filesystem::path dataFolderFrom(const std::filesystem::path& programFolder,
                                     const std::filesystem::path& dataFromProgram);

// The player's folder for the game, "vantoki" in the data home: `xdgDataHome` (the value of
// XDG_DATA_HOME, or null when unset) when it is absolute, else `home`/.local/share. Empty when
// neither is an absolute path.
std::filesystem::path playerFolderFrom(const char* xdgDataHome, const char* home);

}  // namespace vantoki
