// Reading the arguments that several commands share: stage numbers and counts, both as a player
// or designer writes them, and output files that must not be the stage file read.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "core/stage_set.h"

namespace vantoki::cli {

struct ChosenStage {
  StageSet stageSet;
  int stage;  // the stage index 0 to 9
};

// Reads STAGEFILE and picks STAGE out of it, a stage number as the player sees it (1 to 10).
// On failure says on standard error what is wrong.
std::optional<ChosenStage> chooseStage(std::string_view stageFile, std::string_view stageNumber);

// Whether `out`, where a command is about to write, is the stage file it reads (the same file,
// whatever the names: a link or another spelling of the path counts); says so on standard error
// when it is, since writing there would destroy what the output is made from.
bool isTheStageFile(const std::filesystem::path& out, std::string_view stageFile);

// A whole decimal number from `least` to `most`, nothing else in the text.
std::optional<long long> countIn(std::string_view text, long long least, long long most);

}  // namespace vantoki::cli
