// What the generator asks of a stage's cells: where a piece can rest, how many of each piece a
// stage holds, and the falling of placed pieces to the ground. Only codes the editor can paint
// are ever written (0 to 6 and the four fresh arrow blocks), and never on the wall border.
#pragma once

#include <vector>

#include "core/board.h"
#include "generator/random_source.h"

namespace vantoki {

struct Cell {
  int x = 0;
  int y = 0;
};

// Inner cells, row by row, that are Empty and stand on a wall or a ladder: where a player, a
// bomb, a star or a ball stays put.
std::vector<Cell> restingCells(const Board& board);

// Inner cells, row by row, that hold `tile`.
std::vector<Cell> cellsHolding(const Board& board, Tile tile);

// Drops every player, bomb and star that hangs over an Empty cell until it stands on something,
// lowest first, so a stage never opens with pieces in the air. Balls hang where they are put,
// as the rules let them. This is not the rules' gravity and must not be: a stage is the board
// before its first move, so settling plays no move. The player takes no step, no arrow block
// counts down, each piece drops the whole way at once, and a bomb that lands on a star stays on
// it for the first move to blow up, rather than both being gone before the stage opens.
void settlePieces(Board& board);

// Pieces that a stage made by the generator may hold: one player, one to three stars, one to
// four bombs, at most three balls.
bool holdsAllowedPieces(const Board& board);

// Puts `tile` on a resting cell picked at random; false, changing nothing, when there is none.
bool placeOnRestingCell(Board& board, Tile tile, RandomSource& random);

}  // namespace vantoki
