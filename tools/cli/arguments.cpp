#include "arguments.h"

#include <charconv>

#include "core/stage_set.h"

namespace vantoki::cli {

std::optional<int> stageIndexOf(std::string_view text) {
  const std::optional<long long> number = countIn(text, 1, kStageCount);
  if (!number) {
    return std::nullopt;
  }
  return static_cast<int>(*number - 1);
}

std::string notAStageNumber(std::string_view text) {
  return "STAGE must be a stage number from 1 to " + std::to_string(kStageCount) + ", not \"" +
         std::string(text) + "\"";
}

std::optional<long long> countIn(std::string_view text, long long least, long long most) {
  long long number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size() || number < least || number > most) {
    return std::nullopt;
  }
  return number;
}

}  // namespace vantoki::cli
