// Finding the stage a replay was recorded on when only the replay is at hand, as when a file
// manager opens one with the game: the replay names its data set and its stage, and the stage data
// files (*.vkst) of a few folders are searched for a set of that name with a stage of that name.
// Names are compared as the files hold them, so the stage found is one that playback takes
// without asking about a mismatch. Copies of a set keep its names as they are edited, so the names
// may lead to several files; the replay's own moves then tell the stage it was recorded on.
#pragma once

#include <filesystem>
#include <optional>
#include <span>

#include "core/stage_set.h"
#include "io/replay_file.h"

namespace vantoki {

struct StageOfReplay {
  std::filesystem::path stageFile;
  StageSet stageSet;
  int stage = 0;  // the first of that name in the set
  // Whether other files were as likely: the player is told which file was taken.
  bool chosenAmongSeveral = false;
};

// Of the files that match, those on whose stage the replay's moves clear it where there are any;
// of these the last written, and of files written at the same time the first in the folders'
// order, within a folder by file name. A folder that cannot be listed and a file that cannot be
// read as stage data are passed over.
std::optional<StageOfReplay> findStageOfReplay(const ReplayRecords& replay,
                                               std::span<const std::filesystem::path> folders);

}  // namespace vantoki
