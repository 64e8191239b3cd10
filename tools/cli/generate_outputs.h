// Where vantoki-cli generate writes: the stage set, and with --replays a folder holding the
// shortest solution of each stage found, as stage01.vkrp, stage02.vkrp, … . The search before the
// writing may take hours, so every destination is checked before it starts, with the message the
// writing would give; the check makes nothing, and the replays folder is made only when the
// stages are written. The stage set is never written where a replay of the same run goes or where
// the replays folder is to be made, since the replays would then destroy it or fail for it; no two
// replays are written to one file; nor is a replays folder to be made where a symbolic link that
// leads nowhere has its name.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace vantoki::cli {

struct GenerateOutputs {
  std::filesystem::path stageSet;
  std::optional<std::filesystem::path> replaysFolder;
};

// The replay of the stage at `place` (0 to 9) in the set, as the shipped solutions are named.
std::filesystem::path replayPath(const std::filesystem::path& folder, int place);

// What would stop a run that finds `stages` stages from writing them all, as the line to report;
// nothing when every destination can be written.
std::optional<std::string> destinationProblem(const GenerateOutputs& outputs, int stages);

// Makes the replays folder and any folders missing on the way to it; says why it cannot.
std::optional<std::string> makeReplaysFolder(const std::filesystem::path& folder);

}  // namespace vantoki::cli
