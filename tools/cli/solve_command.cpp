// vantoki-cli solve: the fewest turns that clear one stage of a stage data file, and optionally
// that solution as a replay file which the game and `verify` play back.
#include <algorithm>
#include <iostream>
#include <optional>
#include <string>

#include "arguments.h"
#include "commands.h"
#include "io/replay_file.h"
#include "solver/shortest_solution.h"

namespace vantoki::cli {
namespace {

// Below the 32-bit index limit of the board set, and far beyond any memory this runs on.
constexpr long long kMostStates = 1'000'000'000;
constexpr std::size_t kMebibyte = std::size_t{1} << 20;

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
    } else {
      return {};
    }
  }
  return {parsed, ""};
}

MoveLog moveLogOf(const std::vector<int>& moves) {
  MoveLog moveLog{};
  std::copy(moves.begin(), moves.end(), moveLog.begin());
  return moveLog;
}

void printOutcome(const SearchOutcome& outcome, const SearchLimits& limits) {
  switch (outcome.result) {
    case SearchResult::Solved: {
      const int turns = static_cast<int>(outcome.moves.size());
      std::cout << "solved in " << turns
                << " turns: " << encodeMoveRecord(moveLogOf(outcome.moves), turns).substr(0, turns)
                << "\n";
      break;
    }
    case SearchResult::NoSolution:
      std::cout << "no solution within " << limits.maxTurns << " turns\n";
      break;
    case SearchResult::GaveUp:
      std::cout << "gave up after " << limits.maxStates << " states\n";
      break;
  }
  std::cout << "boards: " << outcome.boardsStored << " stored, " << outcome.boardsExpanded
            << " expanded, every line of " << outcome.turnsSearched << " turns tried"
            << (outcome.exhausted ? ", all reachable boards explored" : "")
            << "; limits: " << limits.maxTurns << " turns, " << limits.maxStates
            << " states; memory: " << (outcome.memoryBytes + kMebibyte - 1) / kMebibyte << " MiB, "
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
            std::string(*parsed->out), stageSet.dataSetName, stageSet.stageNames[stage],
            moveLogOf(outcome.moves), static_cast<int>(outcome.moves.size()))) {
      return failWith(problem->message);
    }
  }
  return kExitOk;
}

}  // namespace vantoki::cli
