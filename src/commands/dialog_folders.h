// Which folder a file command's dialog opens in and which places it offers, for the files of one
// kind (the subfolder `name`: stagedata or replaydata).
//
// Saves go to the player's own folder of that kind, made when a save dialog is about to open
// there, however the game was started (the build tree, an installation of any prefix, the
// package): the game's folder holds the shipped files, and one a rebuild or an update replaces.
// The save dialog offers only the player's folder; a load dialog offers both and opens in the
// player's once it holds anything, else in the game's with the shipped files. Where the machine
// names no home for the player (and on the page, which keeps nothing on disk) the game's folder
// is the only place.
#pragma once

#include <optional>

#include "io/file_error.h"
#include "platform/platform.h"

namespace vantoki {

inline constexpr const char* kPlayerPlaceName = "自分のフォルダー";
inline constexpr const char* kGamePlaceName = "ゲームのフォルダー";

// Where a save dialog opens, and why the folder it opens in could not be made, if it could not.
struct SaveFolders {
  DialogFolders dialog;
  std::optional<FileError> notMade;
};

SaveFolders saveDialogFolders(Platform& platform, const char* name);
DialogFolders loadDialogFolders(Platform& platform, const char* name);

}  // namespace vantoki
