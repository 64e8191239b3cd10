// Everything a stage designer wants to know about a stage beyond its shortest solution: how many
// boards a player can reach from it, and how many of those are traps, boards from which no line
// of moves clears the stage any more. Found by the search of every board the stage reaches
// (solver/reached_boards.h), breadth-first, so the first clearing move met is a shortest
// solution, and then by walking the moves it recorded backwards from the boards that have a
// clearing move: whatever that walk never reaches is dead.
//
// A board with a star and no bomb can never be cleared, so it is stored (it is reachable, and
// dead) but not explored. A cleared board is not stored, since the play ends on it. Boards are
// counted without a turn limit; a shortest solution longer than a play can hold is reported as
// it is, for the caller to refuse.
#pragma once

#include <cstddef>
#include <limits>
#include <vector>

#include "core/board.h"

namespace vantoki {

struct StageAnalysis {
  bool complete = false;            // every reachable board was stored within the cap
  std::vector<int> solution;        // a shortest solution; empty when nothing clears the stage
  std::size_t reachableBoards = 0;  // the stage itself and every board a line of moves reaches
  std::size_t deadBoards = 0;       // of those, the ones no line of moves clears from
  std::size_t boardsExpanded = 0;   // boards moved in all four directions, complete or not
  bool outOfMemory = false;         // incomplete for want of memory, not of boards
};

// What ends an analysis incomplete, with no solution and no board counts but the boards
// expanded: more than `maxBoards` boards stored, or more than `maxMemoryBytes` held for the
// search and the count after it (or memory the system refuses).
struct AnalysisLimits {
  std::size_t maxBoards = 0;
  std::size_t maxMemoryBytes = std::numeric_limits<std::size_t>::max();
};

StageAnalysis analyseStage(const Board& stage, const AnalysisLimits& limits);

}  // namespace vantoki
