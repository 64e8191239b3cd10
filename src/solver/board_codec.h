// How a search turns its framed boards (core/framed_board.h) into the keys it stores, and back.
//
// Most of a board never changes: walls, ladders and every inert code stay where the stage put
// them, and only the pieces move (players, bombs, stars, balls, arrow blocks, and the explosions
// of a stage that starts with some). Nothing makes a piece: a ball and an arrow block turn into
// each other, a bomb and a star vanish together, so no board holds more pieces than its stage.
// A piece moves only into a cell that is Empty, or a player onto a ladder, so a board is its
// stage's fixed cells with its pieces on them. The piece key lists them: for each cell that holds
// something else than its fixed cell, in scan order, its index and its code, one byte each, and
// then 255s to the stage's number of pieces. Two boards share a key exactly when they are equal.
//
// A stage with more pieces than a piece key is worth, or with a piece whose code needs two bytes,
// keeps the board keys of board_key.h, which hold any board.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/board.h"
#include "core/framed_board.h"
#include "core/move_resolution.h"
#include "solver/board_key.h"

namespace vantoki {

class BoardCodec {
 public:
  // The codec for every board a play of `stage` reaches.
  explicit BoardCodec(const Board& stage);

  std::size_t keyBytes() const { return keyBytes_; }

  // What a key says of its board, learnt while it is written.
  struct Facts {
    bool cleared = false;        // no star: the play ends on it
    bool canNeverClear = false;  // a star but no bomb, which nothing can ever bring
  };

  // Writes the key of the stage into `key`, keyBytes() long, and of the board a move built from
  // the board keyed `before`, whose pieces decode() found in `pieces`, as the play commits it
  // (explosions over).
  Facts encodeStage(const FramedCells& stage, std::span<std::uint8_t> key) const;
  Facts encodeMove(const FramedMoves& move, std::span<const std::uint8_t> before,
                   std::span<const PieceCell> pieces, std::span<std::uint8_t> key) const;
  // The board whose key is `key`, frame and all, and where its pieces stand, in scan order, in
  // `pieces`.
  std::span<const PieceCell> decode(std::span<const std::uint8_t> key, FramedCells& board,
                                    PieceCells& pieces) const;

 private:
  // The key of `board` from its cells that may differ from the fixed ones, in scan order.
  Facts encodePieces(const FramedCells& board, std::span<const PieceCell> cells, bool committed,
                     std::span<std::uint8_t> key) const;
  Facts encodeBoard(const FramedCells& board, bool committed, std::span<std::uint8_t> key) const;

  FramedCells fixed_;  // the stage without its pieces
  std::size_t pieceCount_ = 0;
  bool boardKeys_ = false;
  KeyWidth width_ = KeyWidth::Packed;
  std::size_t keyBytes_ = 0;
};

}  // namespace vantoki
