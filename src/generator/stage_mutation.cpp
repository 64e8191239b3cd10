#include "generator/stage_mutation.h"

#include <array>
#include <optional>

#include "generator/room_templates.h"
#include "generator/stage_cells.h"

namespace vantoki {
namespace {

constexpr int kDrawsPerMutation = 8;

std::optional<Cell> anyOf(const std::vector<Cell>& cells, RandomSource& random) {
  if (cells.empty()) {
    return std::nullopt;
  }
  return cells[random.below(static_cast<int>(cells.size()))];
}

std::vector<Cell> pieceCells(const Board& board) {
  std::vector<Cell> cells;
  for (const Tile tile : {Tile::Player, Tile::Bomb, Tile::Star, Tile::Ball}) {
    const std::vector<Cell> holding = cellsHolding(board, tile);
    cells.insert(cells.end(), holding.begin(), holding.end());
  }
  return cells;
}

bool isInnerCell(int x, int y) {
  return x >= 1 && x <= kBoardSize - 2 && y >= 1 && y <= kBoardSize - 2;
}

bool holdsAt(const Board& board, int x, int y, Tile tile) {
  return isInnerCell(x, y) && board.at(x, y) == code(tile);
}

// Inner cells that hold `tile` with an inner Empty cell beside them, left or right.
std::vector<Cell> cellsBesideEmpty(const Board& board, Tile tile) {
  std::vector<Cell> cells;
  for (const Cell cell : cellsHolding(board, tile)) {
    if (holdsAt(board, cell.x - 1, cell.y, Tile::Empty) ||
        holdsAt(board, cell.x + 1, cell.y, Tile::Empty)) {
      cells.push_back(cell);
    }
  }
  return cells;
}

void movePiece(Board& board, RandomSource& random) {
  const std::optional<Cell> from = anyOf(pieceCells(board), random);
  if (!from) {
    return;
  }
  const TileCode piece = board.at(from->x, from->y);
  board.set(from->x, from->y, code(Tile::Empty));
  if (const std::optional<Cell> to = anyOf(restingCells(board), random)) {
    board.set(to->x, to->y, piece);
  } else {
    board.set(from->x, from->y, piece);
  }
}

void addPiece(Board& board, RandomSource& random) {
  constexpr std::array<Tile, 4> kAdded = {Tile::Bomb, Tile::Star, Tile::Ball, Tile::Bomb};
  placeOnRestingCell(board, kAdded[random.below(static_cast<int>(kAdded.size()))], random);
}

void removePiece(Board& board, RandomSource& random) {
  constexpr std::array<Tile, 3> kRemoved = {Tile::Bomb, Tile::Star, Tile::Ball};
  const Tile tile = kRemoved[random.below(static_cast<int>(kRemoved.size()))];
  if (const std::optional<Cell> cell = anyOf(cellsHolding(board, tile), random)) {
    board.set(cell->x, cell->y, code(Tile::Empty));
  }
}

void swapPieces(Board& board, RandomSource& random) {
  const std::vector<Cell> pieces = pieceCells(board);
  const std::optional<Cell> first = anyOf(pieces, random);
  const std::optional<Cell> second = anyOf(pieces, random);
  if (first && second) {
    const TileCode held = board.at(first->x, first->y);
    board.set(first->x, first->y, board.at(second->x, second->y));
    board.set(second->x, second->y, held);
  }
}

// A platform one cell longer, or a block on a floor.
void growWall(Board& board, RandomSource& random) {
  if (random.chance(1, 3)) {
    placeOnRestingCell(board, Tile::Wall, random);
    return;
  }
  if (const std::optional<Cell> end = anyOf(cellsBesideEmpty(board, Tile::Wall), random)) {
    const int side = holdsAt(board, end->x - 1, end->y, Tile::Empty) ? -1 : 1;
    board.set(end->x + side, end->y, code(Tile::Wall));
  }
}

void cutWall(Board& board, RandomSource& random) {
  if (const std::optional<Cell> end = anyOf(cellsBesideEmpty(board, Tile::Wall), random)) {
    board.set(end->x, end->y, code(Tile::Empty));
  }
}

// Down from beside a platform's end, or through a platform.
void addLadder(Board& board, RandomSource& random) {
  if (const std::optional<Cell> end = anyOf(cellsBesideEmpty(board, Tile::Wall), random)) {
    const int side = holdsAt(board, end->x - 1, end->y, Tile::Empty) ? -1 : 1;
    const int x = random.chance(1, 3) ? end->x : end->x + side;
    addLadderDown(board, x, end->y);
  }
}

// A whole ladder goes, or its top cell, or it grows by one at the top.
void changeLadder(Board& board, RandomSource& random) {
  const std::optional<Cell> cell = anyOf(cellsHolding(board, Tile::Ladder), random);
  if (!cell) {
    return;
  }
  int top = cell->y;
  while (holdsAt(board, cell->x, top - 1, Tile::Ladder)) {
    --top;
  }
  switch (random.below(3)) {
    case 0:
      for (int y = top; holdsAt(board, cell->x, y, Tile::Ladder); ++y) {
        board.set(cell->x, y, code(Tile::Empty));
      }
      break;
    case 1:
      board.set(cell->x, top, code(Tile::Empty));
      break;
    default:
      if (holdsAt(board, cell->x, top - 1, Tile::Empty)) {
        board.set(cell->x, top - 1, code(Tile::Ladder));
      }
      break;
  }
}

void applyOneChange(Board& board, RandomSource& random) {
  switch (random.below(14)) {
    case 0:
    case 1:
    case 2:
    case 3:
      movePiece(board, random);
      break;
    case 4:
    case 5:
      addPiece(board, random);
      break;
    case 6:
    case 7:
      removePiece(board, random);
      break;
    case 8:
      swapPieces(board, random);
      break;
    case 9:
    case 10:
      growWall(board, random);
      break;
    case 11:
      cutWall(board, random);
      break;
    case 12:
      addLadder(board, random);
      break;
    default:
      changeLadder(board, random);
      break;
  }
}

}  // namespace

Board mutateStage(const Board& stage, RandomSource& random) {
  for (int draw = 0; draw < kDrawsPerMutation; ++draw) {
    Board changed = stage;
    const int changes = random.between(1, 3);
    for (int change = 0; change < changes; ++change) {
      applyOneChange(changed, random);
    }
    settlePieces(changed);
    if (changed != stage && holdsAllowedPieces(changed)) {
      return changed;
    }
  }
  return stage;
}

}  // namespace vantoki
