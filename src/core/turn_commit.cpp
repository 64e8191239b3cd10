#include "core/turn_commit.h"

#include "core/move_resolution.h"

namespace vantoki {

void commitMove(const Board& before, int direction, Board& committed, MotionGrid& motion,
                Board* resolved) {
  resolveMove(before, direction, committed, motion);
  if (resolved != nullptr) {
    *resolved = committed;
  }
  clearExplosions(committed);
}

void clearExplosions(Board& board) {
  // A select rather than a conditional store, so it runs on whole vectors: the solver commits
  // millions of boards.
  for (TileCode& value : board.cells()) {
    value = value == code(Tile::Explosion) ? code(Tile::Empty) : value;
  }
}

bool isStageCleared(const Board& committed) {
  return countTiles(committed, Tile::Star) == 0;
}

}  // namespace vantoki
