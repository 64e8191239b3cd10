// The two stage data commands of the main window: saving the whole stage set to a file the user
// picks, and loading one in its place. Every question and message goes through the platform
// seam; a cancelled dialog ends a command without a word.
//
// A save goes through the atomic write, so a failed save leaves an existing file as it was. A
// load reads the file whole before anything changes: a failed load reports the failure and
// leaves the stage set, the stage shown and the play exactly as they were.
#pragma once

#include <filesystem>
#include <functional>

#include "core/stage_set.h"
#include "platform/platform.h"

namespace vantoki {

// The stage data file filter of both dialogs.
FileFilter stageDataFilter();
// The kind of folder both dialogs open on (commands/dialog_folders.h).
inline constexpr const char* kStageDataFolderName = "stagedata";
// The stage set that teaches the rules, as the game's data folder holds it.
inline constexpr const char* kShippedStageFile = "stagedata/vantoki.vkst";

// Asks for a file, asks before overwriting one, writes, and says how it went. Returns whether the
// stage set was written.
bool saveStageData(Platform& platform, const StageSet& stageSet);

// Asks for a file and reads it. A path with no file behind it ends the command silently. A file
// read whole is handed to `install`, which takes it as the program's stage set and shows its
// first stage; then the completion is shown.
void loadStageData(Platform& platform, const std::function<void(StageSet)>& install);

// Reads the file at `path` and hands it to `install`, or reports the failure with the full path
// and installs nothing. Returns whether it was installed. The load button and a stage file named
// on the command line both come through here.
bool loadStageDataFrom(Platform& platform, const std::filesystem::path& path,
                       const std::function<void(StageSet)>& install);

}  // namespace vantoki
