// The fewest turns that clear a stage: the search over reached boards (solver/reached_boards.h),
// breadth-first, ended by the first move that clears the stage, so its line of moves is a
// shortest one and, made by the game's own rules, plays back in the game exactly as it was
// searched. Boards that can never be cleared are not stored, and no board past the turn limit.
#pragma once

#include <cstddef>
#include <vector>

#include "core/board.h"
#include "solver/search_limits.h"

namespace vantoki {

enum class SearchResult {
  Solved,       // moves holds a shortest solution
  NoSolution,   // no line of at most maxTurns moves clears the stage
  StateLimit,   // maxStates boards were stored before either was known
  MemoryLimit,  // storing one more board would have taken more than maxMemoryBytes, or the
                // system refused the memory
  Stopped,      // the deadline passed or a stop was requested before either was known
};

struct SearchOutcome {
  SearchResult result = SearchResult::NoSolution;
  std::vector<int> moves;  // direction indexes, one per turn
  std::size_t boardsStored = 0;
  std::size_t boardsExpanded = 0;
  int turnsSearched = 0;                // every line of this many turns was tried
  bool exhausted = false;               // every board reachable from the stage was explored
  std::size_t memoryBytes = 0;          // held for stored boards at the end of the search
  std::size_t bytesPerStoredBoard = 0;  // its key, the way back to it and its table share
};

SearchOutcome findShortestSolution(const Board& stage, const SearchLimits& limits);

}  // namespace vantoki
