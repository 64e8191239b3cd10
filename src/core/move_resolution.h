// The rule book of one move. From the board at the start of the move and the direction pressed,
// builds the board after the move and the motion of every piece that moves. The whole board
// moves at once: players walk, climb, push and kick; loose bombs, stars and players fall one
// cell; a bomb and a star that meet explode; every arrow block counts down and, at the end of its
// count, flies one cell and becomes a ball.
//
// Pieces move only into cells that were Empty at the start of the move and are still Empty in
// the board being built, and the board is visited row by row from the top, left to right, so the
// piece visited first wins a contested cell. A cell outside the board counts as Wall: nothing is
// read or written outside the 15 × 15 array, whatever the board holds.
#pragma once

#include <array>
#include <cstddef>
#include <span>

#include "core/board.h"
#include "core/framed_board.h"

namespace vantoki {

// `direction` is a direction index; any other value moves no player but still lets pieces fall
// and arrow blocks count down. Reads only `before`; overwrites `work` and `motion` entirely.
void resolveMove(const Board& before, int direction, Board& work, MotionGrid& motion);

// The four moves from one framed board, one after another, for a search that keeps its boards
// framed and knows where their pieces are: each move undoes only the cells the one before it
// wrote, so a move costs what its pieces do rather than a copy of the board.
class FramedMoves {
 public:
  // No piece writes more than six times a move (a block that counts down, flies and pushes a
  // piece; a player that kicks writes three times, and the block it kicks is its ball's), and a
  // cell holds one piece, so no move writes more than this.
  static constexpr std::size_t kMostWrites = 6 * kCellCount;
  using Written = std::array<PieceCell, kMostWrites>;

  // `pieces` lists, in scan order, framed cells among which are all that hold a piece
  // (isPieceCode); it and `before` must outlive the moves.
  FramedMoves(const FramedCells& before, std::span<const PieceCell> pieces);

  // The move in `direction` from the board before, into work() and motion().
  void resolve(int direction);
  const FramedCells& work() const { return work_; }
  const FramedMotion& motion() const { return motion_; }
  // The cells the last move wrote, each one or more times: every cell where work() differs from
  // the board before is among them.
  std::span<const PieceCell> written() const { return std::span(written_).first(writtenCount_); }

 private:
  const FramedCells& before_;
  std::span<const PieceCell> pieces_;
  FramedCells work_;
  FramedMotion motion_;
  Written written_;
  std::size_t writtenCount_ = 0;
};

}  // namespace vantoki
