// vantoki-cli solve: the fewest turns that clear one stage of a stage data file, and optionally
// that solution as a replay file which the game and `verify` play back.
#include <unistd.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <utility>

#include "arguments.h"
#include "commands.h"
#include "io/file_error.h"
#include "io/replay_file.h"
#include "solver/shortest_solution.h"

namespace vantoki::cli {
namespace {

// Below the 32-bit index limit of the board set; the memory limit ends a search long before.
constexpr long long kMostStates = 1'000'000'000;
constexpr std::size_t kMebibyte = std::size_t{1} << 20;

// A limit beyond the machine's memory would be met by the system's out-of-memory killer, not by
// the search, so none is accepted, and the default shrinks to fit a smaller machine.
long long machineMebibytes() {
  return static_cast<long long>(sysconf(_SC_PHYS_PAGES)) * sysconf(_SC_PAGESIZE) /
         static_cast<long long>(kMebibyte);
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
  std::string_view stageFile;
  std::string_view stage;
  SearchLimits limits;
  std::optional<std::string_view> out;
};

// Either the arguments, or a problem to report, or neither when the usage is wrong.
struct ParsedArguments {
  std::optional<SolveArguments> arguments;
  std::string problem;
};

ParsedArguments parse(std::span<const std::string_view> arguments) {
  if (arguments.size() < 2) {
    return {};
  }
  SolveArguments parsed{arguments[0], arguments[1], SearchLimits{}, std::nullopt};
  const long long machine = machineMebibytes();
  parsed.limits.maxMemoryBytes =
      std::min(parsed.limits.maxMemoryBytes, static_cast<std::size_t>(machine) * kMebibyte);
  for (std::size_t next = 2; next < arguments.size(); next += 2) {
    if (next + 1 == arguments.size()) {
      return {};
    }
    const std::string_view option = arguments[next];
    const std::string_view value = arguments[next + 1];
    if (option == "--out") {
      parsed.out = value;
    } else if (option == "--max-turns") {
      const std::optional<long long> turns = countIn(value, 1, kTurnLimit);
      if (!turns) {
        return {std::nullopt,
                "--max-turns must be a number from 1 to " + std::to_string(kTurnLimit)};
      }
      parsed.limits.maxTurns = static_cast<int>(*turns);
    } else if (option == "--max-states") {
      const std::optional<long long> states = countIn(value, 1, kMostStates);
      if (!states) {
        return {std::nullopt,
                "--max-states must be a number from 1 to " + std::to_string(kMostStates)};
      }
      parsed.limits.maxStates = static_cast<std::size_t>(*states);
    } else if (option == "--max-memory") {
      const std::optional<long long> mebibytes = mebibytesIn(value, machine);
      if (!mebibytes) {
        return {std::nullopt, "--max-memory must be a size from 1M to " + std::to_string(machine) +
                                  "M (this machine's memory), such as 512M or 4G"};
      }
      parsed.limits.maxMemoryBytes = static_cast<std::size_t>(*mebibytes) * kMebibyte;
    } else {
      return {};
    }
  }
  return {parsed, ""};
}

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

}  // namespace

int runSolve(std::span<const std::string_view> arguments) {
  const ParsedArguments parsedArguments = parse(arguments);
  if (!parsedArguments.problem.empty()) {
    return failWith(parsedArguments.problem);
  }
  const std::optional<SolveArguments>& parsed = parsedArguments.arguments;
  if (!parsed) {
    return kExitUsage;
  }
  if (parsed->out && isTheStageFile(std::filesystem::path(*parsed->out), parsed->stageFile)) {
    return kExitFailure;
  }
  const std::optional<ChosenStage> chosen = chooseStage(parsed->stageFile, parsed->stage);
  if (!chosen) {
    return kExitFailure;
  }
  const StageSet& stageSet = chosen->stageSet;
  const int stage = chosen->stage;
  const SearchOutcome outcome = findShortestSolution(stageSet.stageCells[stage], parsed->limits);
  printOutcome(outcome, parsed->limits);
  if (outcome.result != SearchResult::Solved) {
    return kExitFailure;
  }
  if (parsed->out) {
    if (const std::optional<FileError> problem = writeReplayFile(
            std::filesystem::path(*parsed->out), stageSet.dataSetName, stageSet.stageNames[stage],
            moveLogOf(outcome.moves), static_cast<int>(outcome.moves.size()))) {
      return failWith(problem->message);
    }
  }
  return kExitOk;
}

}  // namespace vantoki::cli
