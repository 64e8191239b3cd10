// Fuzz target: the searches over boards on any board (fuzz_board.h), on small budgets: the
// shortest solution, the stage analysis and the hint. None may crash or run past its budget, and
// they must agree with each other and with the rules:
//   - a solution clears the stage on its last move and on no move before;
//   - the analysis, when it stored every reachable board, finds a solution exactly when one
//     exists, as long as the shortest one, and counts the boards from which none exists;
//   - the hint's next move is the first of a shortest clear, which then needs one turn less, and
//     "never clearable" only for a stage the plain search cannot clear.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/turn_commit.h"
#include "fuzz_board.h"
#include "fuzz_target.h"
#include "solver/hint.h"
#include "solver/shortest_solution.h"
#include "solver/stage_analysis.h"

namespace vantoki {
namespace {

constexpr std::size_t kMaxBoards = 2'000;
constexpr std::size_t kMaxMemoryBytes = std::size_t{64} << 20;
constexpr HintBudget kHintBudget{1'000, std::chrono::seconds(2), kMaxMemoryBytes};

SearchOutcome shortestSolution(const Board& stage) {
  SearchLimits limits;
  limits.maxStates = kMaxBoards;
  limits.maxMemoryBytes = kMaxMemoryBytes;
  return findShortestSolution(stage, limits);
}

void checkClearingLine(const Board& stage, const std::vector<int>& moves, const char* whose) {
  Board board = stage;
  for (std::size_t turn = 0; turn < moves.size(); ++turn) {
    Board next;
    MotionGrid motion;
    commitMove(board, moves[turn], next, motion);
    const bool last = turn + 1 == moves.size();
    if (isStageCleared(next) != last) {
      failFuzzCheck(std::string(whose) + " solution clears at turn " + std::to_string(turn + 1) +
                    " of " + std::to_string(moves.size()));
    }
    board = next;
  }
}

void checkAnalysis(const Board& stage, const StageAnalysis& analysis, const SearchOutcome& search) {
  if (!analysis.complete) {
    return;
  }
  const bool solved = search.result == SearchResult::Solved;
  if (analysis.solution.empty()) {
    if (solved || analysis.deadBoards != analysis.reachableBoards) {
      failFuzzCheck("the analysis finds no solution, yet the stage clears or a board lives");
    }
    return;
  }
  checkClearingLine(stage, analysis.solution, "the analysis'");
  if (analysis.deadBoards >= analysis.reachableBoards) {
    failFuzzCheck("the analysis counts the stage itself dead, yet it clears");
  }
  const bool fitsTheTurns = analysis.solution.size() <= static_cast<std::size_t>(kTurnLimit);
  if (fitsTheTurns && search.result == SearchResult::NoSolution) {
    failFuzzCheck("the search finds no solution the analysis found");
  }
  if (solved && search.moves.size() != analysis.solution.size()) {
    failFuzzCheck("the search and the analysis differ on the shortest length");
  }
}

void checkHint(const Board& stage, const SearchOutcome& search) {
  const Hint hint = findHint(std::span<const Board>(&stage, 1), kHintBudget);
  const bool solved = search.result == SearchResult::Solved;
  switch (hint.kind) {
    case HintKind::NextMove: {
      if (solved && static_cast<std::size_t>(hint.turnsToClear) != search.moves.size()) {
        failFuzzCheck("the hint's clear is not a shortest one");
      }
      Board next;
      MotionGrid motion;
      commitMove(stage, hint.direction, next, motion);
      if (isStageCleared(next) != (hint.turnsToClear == 1)) {
        failFuzzCheck("the hint's move does not lead where it says");
      }
      if (hint.turnsToClear > 1) {
        const SearchOutcome after = shortestSolution(next);
        if (after.result == SearchResult::Solved &&
            static_cast<int>(after.moves.size()) != hint.turnsToClear - 1) {
          failFuzzCheck("after the hint's move the clear does not take one turn less");
        }
      }
      break;
    }
    case HintKind::NeverClearable:
      if (solved) {
        failFuzzCheck("the hint calls a stage the search clears never clearable");
      }
      break;
    case HintKind::NoLongerClearable:
      failFuzzCheck("the hint says a play of no moves can no longer be cleared");
    case HintKind::OutOfBudget:
      break;
  }
}

}  // namespace
}  // namespace vantoki

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vantoki;
  std::span<const std::uint8_t> input(data, size);
  const std::optional<Board> stage = takeFuzzBoard(input);
  if (!stage) {
    return 0;
  }
  const SearchOutcome search = shortestSolution(*stage);
  if (search.result == SearchResult::Solved) {
    checkClearingLine(*stage, search.moves, "the search's");
  }
  checkAnalysis(*stage, analyseStage(*stage, AnalysisLimits{kMaxBoards}), search);
  checkHint(*stage, search);
  return 0;
}
