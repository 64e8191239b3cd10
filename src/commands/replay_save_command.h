// Saving the current play as a replay file: the data set name and the stage name it was played
// on, and its recorded line of moves, whatever turn the board shows. The replay dialogs open on
// the replaydata folders (commands/dialog_folders.h).
#pragma once

#include <string>

#include "platform/platform.h"
#include "play/play.h"

namespace vantoki {

FileFilter replayFilter();
// The kind of folder both replay dialogs open on.
inline constexpr const char* kReplayFolderName = "replaydata";

// Asks for a file, asks before overwriting one, writes through the atomic write, and says how it
// went. Changes nothing in the game.
void saveReplay(Platform& platform, const std::string& dataSetName, const std::string& stageName,
                const Play& play);

}  // namespace vantoki
