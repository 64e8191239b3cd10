// Which folder a file command's dialog opens in and which places it offers, for the files of one
// kind (the subfolder `name`: stagedata or replaydata).
//
// Where the player may write in the game's folder of that kind (the build tree, an installation
// of the player's own) both dialogs open there and offer nothing else. Where the player may not
// (a system-wide installation), saves go to the player's own folder of that kind, made when a
// save dialog is about to open there, and the save dialog offers only that, so accepting what it
// offers never meets a permission error; a load dialog offers both folders and opens in the
// player's once it holds anything, else in the game's with the shipped files.
#pragma once

#include "platform/platform.h"

namespace vantoki {

inline constexpr const char* kPlayerPlaceName = "自分のフォルダー";
inline constexpr const char* kGamePlaceName = "ゲームのフォルダー";

DialogFolders saveDialogFolders(Platform& platform, const char* name);
DialogFolders loadDialogFolders(Platform& platform, const char* name);

}  // namespace vantoki
