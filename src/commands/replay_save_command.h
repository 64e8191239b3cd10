// Saving the current play as a replay file: the data set name and the stage name it was played
// on, and its recorded line of moves, whatever turn the board shows. The replay dialogs open on
// the folder replaydata beside the program.
#pragma once

#include <filesystem>
#include <string>

#include "platform/platform.h"
#include "play/play.h"

namespace vantoki {

FileFilter replayFilter();
std::filesystem::path replayFolder(Platform& platform);

// Asks for a file, asks before overwriting one, writes through the atomic write, and says how it
// went. Changes nothing in the game.
void saveReplay(Platform& platform, const std::string& dataSetName, const std::string& stageName,
                const Play& play);

}  // namespace vantoki
