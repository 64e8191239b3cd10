// Reading the arguments that several commands share: stage numbers and counts, both as a player
// or designer writes them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantoki::cli {

// Stage numbers are the ones a player sees, 1 to 10; the result is the stage index 0 to 9.
std::optional<int> stageIndexOf(std::string_view text);

// What to tell someone whose STAGE argument stageIndexOf refused.
std::string notAStageNumber(std::string_view text);

// A whole decimal number from `least` to `most`, nothing else in the text.
std::optional<long long> countIn(std::string_view text, long long least, long long most);

}  // namespace vantoki::cli
