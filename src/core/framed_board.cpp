#include "core/framed_board.h"

#include <algorithm>

namespace vantoki {

void frameBoard(const Board& board, FramedCells& framed) {
  for (int framedRow = 0; framedRow < kFramedSpan; ++framedRow) {
    const auto row = framed.begin() + framedRow * kFramedSpan;
    const int y = framedRow - kFrame;
    if (y < 0 || y >= kBoardSize) {
      std::fill_n(row, kFramedSpan, code(Tile::Wall));
      continue;
    }
    std::fill_n(row, kFrame, code(Tile::Wall));
    std::copy_n(board.cells().begin() + y * kBoardSize, kBoardSize, row + kFrame);
    std::fill_n(row + kFrame + kBoardSize, kFrame, code(Tile::Wall));
  }
}

void unframeBoard(const FramedCells& framed, Board& board) {
  for (int y = 0; y < kBoardSize; ++y) {
    std::copy_n(framed.begin() + framedIndex(0, y), kBoardSize,
                board.cells().begin() + y * kBoardSize);
  }
}

}  // namespace vantoki
