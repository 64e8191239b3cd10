#include "core/framed_board.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

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

// Flagged in one branch-free sweep, then found eight flags at a time, so the floor and the walls
// between the pieces cost little.
std::span<const PieceCell> findPieces(const Board& board, PieceCells& pieces) {
  constexpr std::size_t kWordFlags = sizeof(std::uint64_t);
  std::array<std::uint8_t, (kCellCount + kWordFlags - 1) / kWordFlags * kWordFlags> isPiece{};
  for (int cell = 0; cell < kCellCount; ++cell) {
    isPiece[cell] = isPieceCode(board.cells()[cell]) ? 1 : 0;
  }
  std::size_t count = 0;
  for (std::size_t first = 0; first < isPiece.size(); first += kWordFlags) {
    std::uint64_t word = 0;
    std::memcpy(&word, isPiece.data() + first, sizeof word);
    for (; word != 0; word &= word - 1) {
      pieces[count++] =
          kFramedIndexOfCell[first + static_cast<std::size_t>(std::countr_zero(word)) / 8];
    }
  }
  return std::span(pieces).first(count);
}

}  // namespace vantoki
