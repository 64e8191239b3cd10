#include "generator/stage_cells.h"

namespace vantoki {
namespace {

bool holdsUp(TileCode below) {
  return below == code(Tile::Wall) || below == code(Tile::Ladder);
}

bool falls(TileCode value) {
  return value == code(Tile::Player) || value == code(Tile::Bomb) || value == code(Tile::Star);
}

}  // namespace

std::vector<Cell> restingCells(const Board& board) {
  std::vector<Cell> cells;
  for (int y = 1; y < kBoardSize - 1; ++y) {
    for (int x = 1; x < kBoardSize - 1; ++x) {
      if (board.at(x, y) == code(Tile::Empty) && holdsUp(board.at(x, y + 1))) {
        cells.push_back({x, y});
      }
    }
  }
  return cells;
}

std::vector<Cell> cellsHolding(const Board& board, Tile tile) {
  std::vector<Cell> cells;
  for (int y = 1; y < kBoardSize - 1; ++y) {
    for (int x = 1; x < kBoardSize - 1; ++x) {
      if (board.at(x, y) == code(tile)) {
        cells.push_back({x, y});
      }
    }
  }
  return cells;
}

void settlePieces(Board& board) {
  for (int y = kBoardSize - 3; y >= 1; --y) {
    for (int x = 1; x < kBoardSize - 1; ++x) {
      const TileCode piece = board.at(x, y);
      if (!falls(piece)) {
        continue;
      }
      int landing = y;
      while (board.at(x, landing + 1) == code(Tile::Empty)) {
        ++landing;
      }
      board.set(x, y, code(Tile::Empty));
      board.set(x, landing, piece);
    }
  }
}

bool holdsAllowedPieces(const Board& board) {
  const int stars = countTiles(board, Tile::Star);
  const int bombs = countTiles(board, Tile::Bomb);
  return countTiles(board, Tile::Player) == 1 && stars >= 1 && stars <= 3 && bombs >= 1 &&
         bombs <= 4 && countTiles(board, Tile::Ball) <= 3;
}

bool placeOnRestingCell(Board& board, Tile tile, RandomSource& random) {
  const std::vector<Cell> cells = restingCells(board);
  if (cells.empty()) {
    return false;
  }
  const Cell cell = cells[random.below(static_cast<int>(cells.size()))];
  board.set(cell.x, cell.y, code(tile));
  return true;
}

}  // namespace vantoki
