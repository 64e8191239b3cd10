#include "solver/hint.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "core/move_log.h"
#include "solver/shortest_solution.h"

namespace vantoki {
namespace {

enum class Verdict { Clearable, Unclearable, Undecided };

struct Decision {
  Verdict verdict = Verdict::Undecided;
  std::vector<int> moves;  // a shortest clear, when Clearable
};

// The searches of one hint draw on one budget: the boards one search stores are gone for the
// next, and all of them stop at the same moment.
class BudgetedSearches {
 public:
  BudgetedSearches(const HintBudget& budget, StopToken stop)
      : boardsLeft_(budget.maxBoards),
        maxMemoryBytes_(budget.maxMemoryBytes),
        threads_(budget.threads),
        deadline_(std::chrono::steady_clock::now() + budget.maxTime),
        stop_(std::move(stop)) {}

  Decision decide(const Board& board, int turn) {
    const int turnsLeft = kTurnLimit - turn;
    if (turnsLeft <= 0) {
      return {Verdict::Unclearable, {}};
    }
    if (boardsLeft_ == 0) {
      return {};
    }
    SearchLimits limits;
    limits.maxTurns = turnsLeft;
    limits.maxStates = boardsLeft_;
    limits.maxMemoryBytes = maxMemoryBytes_;
    limits.deadline = deadline_;
    limits.stopToken = stop_;
    limits.threads = threads_;
    SearchOutcome outcome = findShortestSolution(board, limits);
    boardsLeft_ -= std::min(boardsLeft_, outcome.boardsStored);
    switch (outcome.result) {
      case SearchResult::Solved:
        return {Verdict::Clearable, std::move(outcome.moves)};
      // Every line of moves that fits in the turns left was tried.
      case SearchResult::NoSolution:
        return {Verdict::Unclearable, {}};
      default:
        return {};
    }
  }

 private:
  std::size_t boardsLeft_;
  const std::size_t maxMemoryBytes_;
  const int threads_;
  const std::chrono::steady_clock::time_point deadline_;
  const StopToken stop_;
};

}  // namespace

Hint findHint(std::span<const Board> play, const HintBudget& budget, StopToken stop) {
  if (play.empty()) {
    return {};
  }
  BudgetedSearches searches(budget, std::move(stop));
  const int shownTurn = static_cast<int>(play.size()) - 1;
  Decision shown = searches.decide(play.back(), shownTurn);
  if (shown.verdict == Verdict::Clearable) {
    return {HintKind::NextMove, shown.moves.front(), static_cast<int>(shown.moves.size()), {}};
  }
  if (shown.verdict == Verdict::Undecided) {
    return {};
  }
  // Players most often went wrong a few moves ago, and the boards near the one shown are the
  // quickest to decide, so the look back goes one turn at a time.
  for (int turn = shownTurn - 1; turn >= 0; --turn) {
    switch (searches.decide(play[turn], turn).verdict) {
      case Verdict::Clearable:
        return {HintKind::NoLongerClearable, 0, 0, shownTurn - turn};
      case Verdict::Undecided:
        return {HintKind::NoLongerClearable, 0, 0, std::nullopt};
      case Verdict::Unclearable:
        break;
    }
  }
  return {HintKind::NeverClearable, 0, 0, std::nullopt};
}

}  // namespace vantoki
