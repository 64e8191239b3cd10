// A board framed by two rings of Wall, as the rules of a move work on it: they look at most two
// cells away from a piece, so a neighbour off the board is a wall by construction and no rule
// needs a bounds test. The solver keeps its boards in this form between moves, so a move costs no
// framing.
#pragma once

#include <array>
#include <span>

#include "core/board.h"

namespace vantoki {

constexpr int kFrame = 2;
constexpr int kFramedSpan = kBoardSize + 2 * kFrame;
constexpr int kFramedCount = kFramedSpan * kFramedSpan;

constexpr int framedIndex(int x, int y) {
  return (y + kFrame) * kFramedSpan + x + kFrame;
}
constexpr int framedIndex(int boardIndex) {
  return framedIndex(boardIndex % kBoardSize, boardIndex / kBoardSize);
}

using FramedCells = std::array<TileCode, kFramedCount>;
using FramedMotion = std::array<MotionCode, kFramedCount>;
// A framed cell's index, where a piece may stand.
using PieceCell = std::int16_t;

// Each board cell's framed index, looked up rather than divided for where many cells are.
inline constexpr std::array<PieceCell, kCellCount> kFramedIndexOfCell = [] {
  std::array<PieceCell, kCellCount> table{};
  for (int cell = 0; cell < kCellCount; ++cell) {
    table[cell] = static_cast<PieceCell>(framedIndex(cell));
  }
  return table;
}();

// What moves or changes by the rules of a move: players, bombs, stars, balls, explosions (which
// the commit clears) and every code that counts down. Every other code stays where it is.
constexpr bool isPieceCode(TileCode value) {
  return (value >= code(Tile::Player) && value <= code(Tile::PlayerOnLadder)) || countsDown(value);
}

using PieceCells = std::array<PieceCell, kCellCount>;
// Where the pieces of `board` stand (isPieceCode), framed, in scan order, in `pieces`.
std::span<const PieceCell> findPieces(const Board& board, PieceCells& pieces);

// Row by row, not a fill and then a copy of the whole framed board: a copy of a few hundred
// bytes of known size compiles to string instructions whose start-up cost is a large part of a
// move on a sparse board.
void frameBoard(const Board& board, FramedCells& framed);
void unframeBoard(const FramedCells& framed, Board& board);

}  // namespace vantoki
