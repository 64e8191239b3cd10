#include "core/turn_commit.h"

namespace vantoki {

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
