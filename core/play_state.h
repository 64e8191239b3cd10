// The play of one stage: every committed board as a snapshot (turn 0 is the stage as selected),
// the board and motion grid of the move in progress, the direction chosen at each turn, and the
// counters that tie them together.
//
// Invariants: 0 <= currentTurn <= lastTurn <= 500; snapshots above lastTurn are leftovers of an
// earlier line of play and never shown; a committed snapshot holds no Explosion and no arrow
// block with countdown 0 when the stage held only codes the editor can place; animating is 0
// whenever no move is in progress. The struct is large (about 230 KB): keep it on the heap.
#pragma once

#include <array>
#include <cstdint>

#include "core/board.h"

namespace vantoki {

constexpr int kTurnLimit = 500;
constexpr int kSnapshotCount = kTurnLimit + 1;

// The move log value that ends a replay.
constexpr std::int16_t kEndOfMoves = 9;

using MoveLog = std::array<std::int16_t, kSnapshotCount>;

struct PlayState {
  std::array<Board, kSnapshotCount> boardHistory{};
  Board workBoard;
  MotionGrid motionGrid;
  MoveLog moveLog{};
  std::int16_t currentTurn = 0;
  std::int16_t lastTurn = 0;
  std::int16_t animating = 0;   // 0 = idle, k >= 1 = the next animation frame of the move
  std::int16_t heldButton = 0;  // direction button index + 1 while held, 0 = none

  const Board& currentBoard() const { return boardHistory[currentTurn]; }
};

}  // namespace vantoki
