#include "arguments.h"

#include <charconv>

#include "commands.h"
#include "io/stage_data_file.h"

namespace vantoki::cli {

std::optional<ChosenStage> chooseStage(std::string_view stageFile, std::string_view stageNumber) {
  Result<StageSet> stages = readStageDataFile(std::string(stageFile));
  if (!stages.ok()) {
    failWith(stages.error().message);
    return std::nullopt;
  }
  const std::optional<long long> number = countIn(stageNumber, 1, kStageCount);
  if (!number) {
    failWith("STAGE must be a stage number from 1 to " + std::to_string(kStageCount) + ", not \"" +
             std::string(stageNumber) + "\"");
    return std::nullopt;
  }
  return ChosenStage{std::move(stages).value(), static_cast<int>(*number - 1)};
}

bool isTheStageFile(const std::filesystem::path& out, std::string_view stageFile) {
  // Only two files that exist can be the same; otherwise `error` is set and the answer is no.
  std::error_code error;
  if (!std::filesystem::equivalent(out, std::filesystem::path(stageFile), error)) {
    return false;
  }
  failWith(out.string() + ": is the stage file being read; write to another file");
  return true;
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
