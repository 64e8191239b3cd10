// Reading the arguments that several commands share: stage numbers and counts, both as a player
// or designer writes them, and output files that must not be the stage file read. A value out of
// range refuses the whole command line as wrong usage, with a message that names the argument
// and what it may be.
#pragma once

#include <CLI/CLI.hpp>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/stage_set.h"

namespace vantoki::cli {

// Adds an option, or a positional argument when `name` has no leading dashes, whose value `take`
// checks and keeps. `take` returns what is wrong with the value, or nothing once it has kept it;
// what is wrong is then the one line the command line is refused with.
CLI::Option* addCheckedOption(CLI::App& command, const std::string& name,
                              std::function<std::optional<std::string>(const std::string&)> take);

// An option or positional argument that is a whole number from `least` to `most`.
CLI::Option* addCountOption(CLI::App& command, const std::string& name, long long least,
                            long long most, std::function<void(long long)> keep);

// STAGE, a stage number as the player sees it (1 to 10), kept as its index 0 to 9.
CLI::Option* addStageArgument(CLI::App& command, int& stage);

// An option or positional argument that is a path a command writes to. An empty path names no
// file, so it is refused.
CLI::Option* addOutputPathOption(CLI::App& command, const std::string& name,
                                 std::function<void(const std::string&)> keep);

// A value that addCheckedOption refused; its message is the whole line to report.
class RefusedValue : public CLI::ValidationError {
 public:
  explicit RefusedValue(std::string message) : CLI::ValidationError(std::move(message)) {}
};

struct ChosenStage {
  StageSet stageSet;
  int stage;  // the stage index 0 to 9
};

// Reads STAGEFILE and picks the stage of index `stage` out of it. On failure says on standard
// error what is wrong.
std::optional<ChosenStage> chooseStage(std::string_view stageFile, int stage);

// Whether two paths name the same file, whatever their spelling: relative or absolute, with "."
// or "..", through links, hard links included. A file that does not exist yet is the one writing
// to its path would make, through a dangling link too.
bool isSameFile(const std::filesystem::path& a, const std::filesystem::path& b);

// Whether `out`, where a command is about to write, is the stage file it reads (isSameFile); says
// so on standard error when it is, since writing there would destroy what the output is made
// from.
bool isTheStageFile(const std::filesystem::path& out, std::string_view stageFile);

// A whole decimal number from `least` to `most`, nothing else in the text.
std::optional<long long> countIn(std::string_view text, long long least, long long most);

}  // namespace vantoki::cli
