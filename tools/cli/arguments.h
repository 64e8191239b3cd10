// Reading the arguments that several commands share: stage numbers and counts, both as a player
// or designer writes them.
#pragma once

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

// A whole decimal number from `least` to `most`, nothing else in the text.
std::optional<long long> countIn(std::string_view text, long long least, long long most);

}  // namespace vantoki::cli
