// The fewest turns that clear a stage, found breadth-first over boards. Every move is made by the
// game's own rules, the move resolution and the commit's clearing of explosions and clear test,
// so the solver knows no rule of its own: a line of moves it returns plays back in the game
// exactly as it was searched.
//
// The whole state of a play is its board, so a board reached again at the same or a later turn
// is never explored twice, and directions that give the same board from the same board are one
// successor. A stage counts as cleared as the game counts it: the board committed after a move
// holds no star, so even a stage without stars takes one move.
//
// One cut is made before a board is stored: a board that holds a star but no bomb can never be
// cleared, because only a bomb makes a star explode and nothing makes a bomb. (More stars than
// bombs is no such case: a bomb that lands on a star can be pushed off it by an arrow block in
// the same move, so the star explodes and the bomb survives.)
#pragma once

#include <chrono>
#include <cstddef>
#include <stop_token>
#include <vector>

#include "core/board.h"
#include "core/move_log.h"

namespace vantoki {

struct SearchLimits {
  int maxTurns = kTurnLimit;  // a replay holds at most this many moves
  // With packed keys about 1.4 GiB of stored boards: a full search stays in memory and under a
  // minute here.
  std::size_t maxStates = 10'000'000;
  // The bytes the search may hold for the boards it reached and the way back to each, counting
  // what a growing table or array holds twice while it moves. Checked before each allocation, so
  // a search that would need more ends with its statistics instead of running out of memory;
  // wide keys, twice the bytes of narrow ones, reach it before maxStates.
  std::size_t maxMemoryBytes = std::size_t{4} << 30;
  // A search that must answer in time, or that its caller may no longer need, ends early; both
  // are looked at every few thousand boards, so they cost nothing to the pace of the search and
  // take effect within milliseconds.
  std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max();
  std::stop_token stopToken{};
};

enum class SearchResult {
  Solved,       // moves holds a shortest solution
  NoSolution,   // no line of at most maxTurns moves clears the stage
  StateLimit,   // maxStates boards were stored before either was known
  MemoryLimit,  // storing one more board would have taken more than maxMemoryBytes
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
