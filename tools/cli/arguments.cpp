#include "arguments.h"

#include <charconv>
#include <utility>

#include "commands.h"
#include "io/atomic_write.h"
#include "io/stage_data_file.h"

namespace vantoki::cli {

CLI::Option* addCheckedOption(CLI::App& command, const std::string& name,
                              std::function<std::optional<std::string>(const std::string&)> take) {
  // CLI11 reports what a callback throws as it was thrown, with no name put before the message.
  return command.add_option_function<std::string>(
      name, [take = std::move(take)](const std::string& value) {
        if (std::optional<std::string> problem = take(value)) {
          throw RefusedValue(std::move(*problem));
        }
      });
}

namespace {

// A whole number from `least` to `most`; anything else is refused with
// `<name> must be <kind> from <least> to <most>, not "<value>"`.
CLI::Option* addRangedOption(CLI::App& command, const std::string& name, std::string_view kind,
                             long long least, long long most, std::function<void(long long)> keep) {
  return addCheckedOption(command, name,
                          [name, kind, least, most, keep = std::move(keep)](
                              const std::string& value) -> std::optional<std::string> {
                            const std::optional<long long> number = countIn(value, least, most);
                            if (!number) {
                              return name + " must be " + std::string(kind) + " from " +
                                     std::to_string(least) + " to " + std::to_string(most) +
                                     ", not \"" + value + "\"";
                            }
                            keep(*number);
                            return std::nullopt;
                          });
}

}  // namespace

CLI::Option* addCountOption(CLI::App& command, const std::string& name, long long least,
                            long long most, std::function<void(long long)> keep) {
  return addRangedOption(command, name, "a number", least, most, std::move(keep));
}

CLI::Option* addStageArgument(CLI::App& command, int& stage) {
  return addRangedOption(command, "STAGE", "a stage number", 1, kStageCount,
                         [&stage](long long number) { stage = static_cast<int>(number - 1); })
      ->required();
}

CLI::Option* addOutputPathOption(CLI::App& command, const std::string& name,
                                 std::function<void(const std::string&)> keep) {
  return addCheckedOption(
      command, name,
      [name, keep = std::move(keep)](const std::string& value) -> std::optional<std::string> {
        if (value.empty()) {
          return name + " must be a path, not \"\"";
        }
        keep(value);
        return std::nullopt;
      });
}

std::optional<ChosenStage> chooseStage(std::string_view stageFile, int stage) {
  Result<StageSet> stages = readStageDataFile(std::string(stageFile));
  if (!stages.ok()) {
    failWith(stages.error().message);
    return std::nullopt;
  }
  return ChosenStage{std::move(stages).value(), stage};
}

bool isSameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  // A dangling link stands for the file a write through it would make, as the writer follows it.
  const auto written = [](const std::filesystem::path& path) {
    Result<std::filesystem::path> target = fileASaveWrites(path);
    return target.ok() ? std::move(target).value() : path;
  };
  const std::filesystem::path left = written(a);
  const std::filesystem::path right = written(b);
  // Two files that exist are compared by what they are; where one does not, `error` is set and
  // the two are compared by where they would be.
  std::error_code error;
  if (std::filesystem::equivalent(left, right, error)) {
    return true;
  }
  if (!error) {
    return false;
  }
  // Made absolute first, since a path none of whose parts exists stays as it is spelled.
  const auto whereItWouldBe = [](const std::filesystem::path& path) {
    std::optional<std::filesystem::path> where;
    std::error_code failed;
    const std::filesystem::path absolute = std::filesystem::absolute(path, failed);
    if (!failed) {
      where = std::filesystem::weakly_canonical(absolute, failed);
    }
    return failed ? std::nullopt : where;
  };
  const std::optional<std::filesystem::path> leftWouldBe = whereItWouldBe(left);
  const std::optional<std::filesystem::path> rightWouldBe = whereItWouldBe(right);
  return leftWouldBe && rightWouldBe && *leftWouldBe == *rightWouldBe;
}

bool isTheStageFile(const std::filesystem::path& out, std::string_view stageFile) {
  if (!isSameFile(out, std::filesystem::path(stageFile))) {
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
