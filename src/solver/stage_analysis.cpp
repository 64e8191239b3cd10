#include "solver/stage_analysis.h"

#include <cstdint>
#include <limits>
#include <span>
#include <vector>

#include "solver/board_key.h"
#include "solver/reached_boards.h"
#include "solver/searches_from_width.h"

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
  std::vector<std::uint32_t> pending(clearing.begin(), clearing.end());
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

StageAnalysis analyseStage(const Board& stage, std::size_t maxBoards) {
  return analyseStageFrom(stage, maxBoards, keyWidthFor(stage));
}

StageAnalysis analyseStageFrom(const Board& stage, std::size_t maxBoards, KeyWidth firstWidth) {
  SearchLimits limits;
  limits.maxTurns = std::numeric_limits<int>::max();
  limits.maxStates = maxBoards;
  limits.maxMemoryBytes = std::numeric_limits<std::size_t>::max();
  const ReachedBoards boards =
      ReachedBoards::explore(stage, limits, Exploration::EveryBoard, firstWidth);
  StageAnalysis analysis;
  analysis.boardsExpanded = boards.boardsExpanded();
  if (boards.end() != ReachedBoards::End::Exhausted) {
    return analysis;
  }
  analysis.complete = true;
  analysis.solution = boards.firstClearingLine();
  analysis.reachableBoards = boards.boardsStored();
  analysis.deadBoards = analysis.reachableBoards - countBoardsThatClear(boards);
  return analysis;
}

}  // namespace vantoki
