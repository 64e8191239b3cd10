// vantoki-cli verify: plays every given replay on the stage of a stage data file that carries its
// stage name and tells which ones still clear. A folder stands for every replay file in it, so a
// shipped set of solutions is checked with one line.
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "commands.h"
#include "io/stage_data_file.h"
#include "replay/replay_verification.h"

namespace vantoki::cli {
namespace {

constexpr std::string_view kReplayExtension = ".vkrp";

// The files a replay argument stands for: the file itself, or the replay files of a folder in
// the order of their names. A folder without any is reported as one failure, so an empty or
// misnamed folder never passes for a verified set.
struct ReplayArgument {
  std::vector<std::filesystem::path> replays;
  std::string failure;
};

ReplayArgument expand(const std::filesystem::path& argument) {
  std::error_code error;
  if (!std::filesystem::is_directory(argument, error)) {
    return {{argument}, ""};
  }
  // Failing to list the folder and failing to look at one entry are different things: a
  // dangling link named *.vkrp is a replay that cannot be opened, and fails as one.
  ReplayArgument expanded;
  std::error_code listError;
  for (std::filesystem::directory_iterator entry(argument, listError), end;
       !listError && entry != end; entry.increment(listError)) {
    std::error_code entryError;
    if (entry->path().extension() == kReplayExtension && !entry->is_directory(entryError)) {
      expanded.replays.push_back(entry->path());
    }
  }
  std::sort(expanded.replays.begin(), expanded.replays.end());
  if (listError) {
    expanded.failure = "cannot list the folder: " + listError.message();
  } else if (expanded.replays.empty()) {
    expanded.failure = "the folder holds no " + std::string(kReplayExtension) + " file";
  }
  return expanded;
}

// A read error names the file already; the line names it once.
std::string withoutPath(const std::string& message, const std::filesystem::path& path) {
  const std::string prefix = path.string() + ": ";
  return message.starts_with(prefix) ? message.substr(prefix.size()) : message;
}

struct Tally {
  int cleared = 0;
  int failed = 0;

  void fail(const std::filesystem::path& replay, const std::string& reason) {
    std::cout << "FAILED   " << printable(replay.string()) << " " << printable(reason) << "\n";
    ++failed;
  }
};

void verifyOne(const StageSet& stageSet, const std::filesystem::path& path, Tally& tally) {
  const Result<ReplayRecords> replay = readReplayFile(path);
  if (!replay.ok()) {
    tally.fail(path, withoutPath(replay.error().message, path));
    return;
  }
  const ReplayVerdict verdict = verifyReplay(stageSet, replay.value());
  for (const std::string& warning : verdict.warnings) {
    std::cerr << "vantoki-cli: warning: " << printable(path.string()) << ": " << printable(warning)
              << "\n";
  }
  if (!verdict.cleared) {
    tally.fail(path, verdict.failure);
    return;
  }
  std::cout << "cleared  " << printable(path.string()) << " " << verdict.stage + 1 << " "
            << verdict.turns << "\n";
  ++tally.cleared;
}

struct VerifyArguments {
  std::string stageFile;
  std::vector<std::string> replays;
};

int runVerify(const VerifyArguments& arguments) {
  const Result<StageSet> stages = readStageDataFile(arguments.stageFile);
  if (!stages.ok()) {
    return failWith(stages.error().message);
  }
  Tally tally;
  for (const std::string& argument : arguments.replays) {
    const ReplayArgument expanded = expand(std::filesystem::path(argument));
    for (const std::filesystem::path& replay : expanded.replays) {
      verifyOne(stages.value(), replay, tally);
    }
    if (!expanded.failure.empty()) {
      tally.fail(std::filesystem::path(argument), expanded.failure);
    }
  }
  std::cout << "verified: " << tally.cleared << " cleared, " << tally.failed << " failed\n";
  return tally.failed > 0 ? kExitFailure : kExitOk;
}

}  // namespace

Command addVerify(CLI::App& program) {
  CLI::App* const commandLine = program.add_subcommand(
      "verify", "tell which replays still clear the stage they were saved on");
  const auto arguments = std::make_shared<VerifyArguments>();
  commandLine->add_option("STAGEFILE", arguments->stageFile)->required();
  commandLine->add_option("REPLAY", arguments->replays)->required();
  return {commandLine, [arguments] { return runVerify(*arguments); }};
}

}  // namespace vantoki::cli
