#include "solver/stage_analysis.h"

#include <cstdint>
#include <limits>
#include <new>
#include <span>
#include <utility>
#include <vector>

#include "solver/reached_boards.h"

namespace vantoki {
namespace {

// Backwards over the recorded moves from every board with a clearing move.
std::size_t countBoardsThatClear(const ReachedBoards& boards) {
  const std::size_t count = boards.boardsStored();
  const std::span<const ReachedBoards::Move> moves = boards.moves();
  std::vector<std::uint32_t> firstPredecessor(count + 1, 0);
  for (const ReachedBoards::Move& move : moves) {
    ++firstPredecessor[move.to + 1];
  }
  for (std::size_t board = 0; board < count; ++board) {
    firstPredecessor[board + 1] += firstPredecessor[board];
  }
  std::vector<std::uint32_t> predecessors(moves.size());
  std::vector<std::uint32_t> filled(firstPredecessor.begin(), firstPredecessor.end() - 1);
  for (const ReachedBoards::Move& move : moves) {
    predecessors[filled[move.to]++] = move.from;
  }
  const std::span<const std::uint32_t> clearing = boards.boardsWithAClearingMove();
  std::vector<std::uint8_t> clears(count, 0);
  // Never more than every board, so reserved once rather than grown by doubling.
  std::vector<std::uint32_t> pending;
  pending.reserve(count);
  pending.assign(clearing.begin(), clearing.end());
  for (const std::uint32_t board : pending) {
    clears[board] = 1;
  }
  for (std::size_t next = 0; next < pending.size(); ++next) {
    const std::uint32_t board = pending[next];
    for (std::uint32_t edge = firstPredecessor[board]; edge < firstPredecessor[board + 1]; ++edge) {
      const std::uint32_t predecessor = predecessors[edge];
      if (!clears[predecessor]) {
        clears[predecessor] = 1;
        pending.push_back(predecessor);
      }
    }
  }
  return pending.size();
}

}  // namespace

StageAnalysis analyseStage(const Board& stage, const AnalysisLimits& limits) {
  SearchLimits searchLimits;
  searchLimits.maxTurns = std::numeric_limits<int>::max();
  searchLimits.maxStates = limits.maxBoards;
  // The count after the search holds 13 bytes per board and 4 per move beside what the search
  // holds, at least 143 and 8 (and a board has at most four moves): less than a fifth of it. So
  // the search takes five sixths of the memory.
  searchLimits.maxMemoryBytes = limits.maxMemoryBytes / 6 * 5;
  StageAnalysis analysis;
  try {
    const ReachedBoards boards =
        ReachedBoards::explore(stage, searchLimits, Exploration::EveryBoard);
    analysis.boardsExpanded = boards.boardsExpanded();
    if (boards.end() != ReachedBoards::End::Exhausted) {
      analysis.outOfMemory = boards.end() == ReachedBoards::End::MemoryLimit;
      return analysis;
    }
    std::vector<int> solution = boards.firstClearingLine();
    const std::size_t boardsThatClear = countBoardsThatClear(boards);
    analysis.complete = true;
    analysis.solution = std::move(solution);
    analysis.reachableBoards = boards.boardsStored();
    analysis.deadBoards = analysis.reachableBoards - boardsThatClear;
  } catch (const std::bad_alloc&) {
    // Incomplete, as a search past its limits is: nothing but the boards expanded is set yet.
    analysis.outOfMemory = true;
  }
  return analysis;
}

}  // namespace vantoki
