// vantoki-cli solve: the fewest turns that clear one stage of a stage data file, and optionally
// that solution as a replay file which the game and `verify` play back.
#include <algorithm>
#include <array>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "arguments.h"
#include "commands.h"
#include "io/atomic_write.h"
#include "io/file_error.h"
#include "io/replay_file.h"
#include "solver/memory_budget.h"
#include "solver/shortest_solution.h"

namespace vantoki::cli {
namespace {

// Below the 32-bit index limit of the board set; the memory limit ends a search long before.
constexpr long long kMostStates = 1'000'000'000;
constexpr std::size_t kMebibyte = std::size_t{1} << 20;

// A limit beyond the process's memory budget would be met by a refusal of memory or by the
// system's out-of-memory killer rather than by the search, so none is accepted, and the default
// is the budget itself, in whole mebibytes.
long long budgetMebibytes() {
  return std::max(1LL, static_cast<long long>(memoryBudgetBytes() / kMebibyte));
}

// A memory size as people write it: whole mebibytes, bare or with the suffix M or MiB, or whole
// gibibytes with G or GiB ("512", "512M", "4G"), from 1 MiB to `most` MiB.
std::optional<long long> mebibytesIn(std::string_view text, long long most) {
  constexpr std::array<std::pair<std::string_view, long long>, 4> kUnits = {
      {{"MiB", 1}, {"M", 1}, {"GiB", 1024}, {"G", 1024}}};
  long long unit = 1;
  for (const auto& [suffix, mebibytes] : kUnits) {
    if (text.ends_with(suffix)) {
      text.remove_suffix(suffix.size());
      unit = mebibytes;
      break;
    }
  }
  const std::optional<long long> count = countIn(text, 1, most / unit);
  return count ? std::optional<long long>(*count * unit) : std::nullopt;
}

struct SolveArguments {
  std::string stageFile;
  int stage = 0;
  SearchLimits limits;
  std::optional<std::string> out;
};

void printOutcome(const SearchOutcome& outcome, const SearchLimits& limits) {
  switch (outcome.result) {
    case SearchResult::Solved: {
      const int turns = static_cast<int>(outcome.moves.size());
      std::cout << "solved in " << countOf(turns, "turn") << ": "
                << encodeMoveRecord(moveLogOf(outcome.moves), turns).substr(0, turns) << "\n";
      break;
    }
    case SearchResult::NoSolution:
      // Only a search that ran out of boards before it ran out of turns proves the stage can
      // never be cleared; one cut off by the turn limit proves it only for that many turns.
      if (outcome.exhausted) {
        std::cout << "no solution: all " << countOf(outcome.boardsStored, "reachable board")
                  << " explored\n";
      } else {
        std::cout << "no solution within " << countOf(limits.maxTurns, "turn") << "\n";
      }
      break;
    case SearchResult::StateLimit:
      std::cout << "gave up after " << countOf(limits.maxStates, "state") << "\n";
      break;
    case SearchResult::MemoryLimit:
      std::cout << "gave up after " << countOf(outcome.boardsStored, "state")
                << " (memory limit)\n";
      break;
    case SearchResult::Stopped:  // solve sets neither a deadline nor a stop token
      std::cout << "stopped after " << countOf(outcome.boardsStored, "state") << "\n";
      break;
  }
  const auto mebibytes = [](std::size_t bytes) { return (bytes + kMebibyte - 1) / kMebibyte; };
  std::cout << "boards: " << outcome.boardsStored << " stored, " << outcome.boardsExpanded
            << " expanded, every line of " << countOf(outcome.turnsSearched, "turn") << " tried"
            << (outcome.exhausted ? ", all reachable boards explored" : "")
            << "; limits: " << countOf(limits.maxTurns, "turn") << ", "
            << countOf(limits.maxStates, "state") << ", " << mebibytes(limits.maxMemoryBytes)
            << " MiB; memory: " << mebibytes(outcome.memoryBytes) << " MiB, "
            << outcome.bytesPerStoredBoard << " bytes per stored board\n";
}

int runSolve(const SolveArguments& arguments) {
  if (arguments.out && isTheStageFile(std::filesystem::path(*arguments.out), arguments.stageFile)) {
    return kExitFailure;
  }
  // A search may take minutes; a replay file that cannot be written fails before it.
  if (const std::optional<FileError> problem =
          arguments.out ? checkWritable(std::filesystem::path(*arguments.out)) : std::nullopt) {
    return failWith(problem->message);
  }
  const std::optional<ChosenStage> chosen = chooseStage(arguments.stageFile, arguments.stage);
  if (!chosen) {
    return kExitFailure;
  }
  const StageSet& stageSet = chosen->stageSet;
  const int stage = chosen->stage;
  const SearchOutcome outcome = findShortestSolution(stageSet.stageCells[stage], arguments.limits);
  printOutcome(outcome, arguments.limits);
  if (outcome.result != SearchResult::Solved) {
    return kExitFailure;
  }
  if (arguments.out) {
    if (const std::optional<FileError> problem = writeReplayFile(
            std::filesystem::path(*arguments.out), stageSet.dataSetName, stageSet.stageNames[stage],
            moveLogOf(outcome.moves), static_cast<int>(outcome.moves.size()))) {
      return failWith(problem->message);
    }
  }
  return kExitOk;
}

}  // namespace

Command addSolve(CLI::App& program) {
  CLI::App* const commandLine =
      program.add_subcommand("solve", "find the fewest turns that clear a stage");
  const auto arguments = std::make_shared<SolveArguments>();
  const long long most = budgetMebibytes();
  SearchLimits& limits = arguments->limits;
  limits.maxMemoryBytes = static_cast<std::size_t>(most) * kMebibyte;
  limits.threads = searchThreads();
  commandLine->add_option("STAGEFILE", arguments->stageFile)->required();
  addStageArgument(*commandLine, arguments->stage);
  addCountOption(*commandLine, "--max-turns", 1, kTurnLimit,
                 [&limits](long long turns) { limits.maxTurns = static_cast<int>(turns); });
  addCountOption(*commandLine, "--max-states", 1, kMostStates, [&limits](long long states) {
    limits.maxStates = static_cast<std::size_t>(states);
  });
  addCheckedOption(*commandLine, "--max-memory",
                   [&limits, most](const std::string& value) -> std::optional<std::string> {
                     const std::optional<long long> mebibytes = mebibytesIn(value, most);
                     if (!mebibytes) {
                       return "--max-memory must be a size from 1M to " + std::to_string(most) +
                              "M (what this process can use), such as 512M or 4G";
                     }
                     limits.maxMemoryBytes = static_cast<std::size_t>(*mebibytes) * kMebibyte;
                     return std::nullopt;
                   });
  addOutputPathOption(*commandLine, "--out",
                      [&out = arguments->out](const std::string& path) { out = path; });
  return {commandLine, [arguments] { return runSolve(*arguments); }};
}

}  // namespace vantoki::cli
