#include "core/board.h"

#include <algorithm>

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
  return static_cast<int>(std::count(board.cells().begin(), board.cells().end(), code(tile)));
}

}  // namespace vantoki
