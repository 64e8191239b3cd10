#include "core/board.h"

namespace vantoki {

Board walledEmptyBoard() {
  Board board;
  for (int y = 0; y < kBoardSize; ++y) {
    for (int x = 0; x < kBoardSize; ++x) {
      board.set(x, y, isBorderCell(x, y) ? code(Tile::Wall) : code(Tile::Empty));
    }
  }
  return board;
}

int countTiles(const Board& board, Tile tile) {
  // A 16-bit count (a board has 225 cells) rather than std::count's 64-bit one keeps the
  // vector lanes as narrow as the cells: the solver counts pieces on every board it reaches.
  std::int16_t count = 0;
  for (const TileCode value : board.cells()) {
    count = static_cast<std::int16_t>(count + (value == code(tile) ? 1 : 0));
  }
  return count;
}

}  // namespace vantoki
