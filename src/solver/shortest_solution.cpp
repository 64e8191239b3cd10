#include "solver/shortest_solution.h"

#include <new>

#include "solver/reached_boards.h"

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
  SearchOutcome outcome;
  // The search itself ends at its memory limit when memory is refused; what is allocated around
  // it, its first table and the line of moves found, ends it the same way.
  try {
    const ReachedBoards boards = ReachedBoards::explore(stage, limits, Exploration::UntilCleared);
    outcome.result = resultOf(boards.end());
    outcome.boardsStored = boards.boardsStored();
    outcome.boardsExpanded = boards.boardsExpanded();
    outcome.turnsSearched = boards.turnsSearched();
    outcome.exhausted = boards.end() == ReachedBoards::End::Exhausted;
    outcome.memoryBytes = boards.memoryBytes();
    outcome.bytesPerStoredBoard = boards.bytesPerStoredBoard();
    outcome.moves = boards.firstClearingLine();
  } catch (const std::bad_alloc&) {
    outcome.result = SearchResult::MemoryLimit;
    outcome.exhausted = false;
  }
  return outcome;
}

}  // namespace vantoki
