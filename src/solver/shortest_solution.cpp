#include "solver/shortest_solution.h"

#include "solver/board_key.h"
#include "solver/reached_boards.h"
#include "solver/searches_from_width.h"

namespace vantoki {
namespace {

SearchResult resultOf(ReachedBoards::End end) {
  switch (end) {
    case ReachedBoards::End::Cleared:
      return SearchResult::Solved;
    case ReachedBoards::End::BoardLimit:
      return SearchResult::StateLimit;
    case ReachedBoards::End::MemoryLimit:
      return SearchResult::MemoryLimit;
    case ReachedBoards::End::Stopped:
      return SearchResult::Stopped;
    default:
      return SearchResult::NoSolution;
  }
}

}  // namespace

SearchOutcome findShortestSolution(const Board& stage, const SearchLimits& limits) {
  return findShortestSolutionFrom(stage, limits, keyWidthFor(stage));
}

SearchOutcome findShortestSolutionFrom(const Board& stage, const SearchLimits& limits,
                                       KeyWidth firstWidth) {
  const ReachedBoards boards =
      ReachedBoards::explore(stage, limits, Exploration::UntilCleared, firstWidth);
  SearchOutcome outcome;
  outcome.result = resultOf(boards.end());
  outcome.moves = boards.firstClearingLine();
  outcome.boardsStored = boards.boardsStored();
  outcome.boardsExpanded = boards.boardsExpanded();
  outcome.turnsSearched = boards.turnsSearched();
  outcome.exhausted = boards.end() == ReachedBoards::End::Exhausted;
  outcome.memoryBytes = boards.memoryBytes();
  outcome.bytesPerStoredBoard = boards.bytesPerStoredBoard();
  return outcome;
}

}  // namespace vantoki
