#include "solver/board_key.h"

#include <algorithm>

namespace vantoki {
namespace {

constexpr std::uint16_t kNarrowLimit = 127;

bool fitsNarrow(TileCode value) {
  return static_cast<std::uint16_t>(value) <= kNarrowLimit;
}

}  // namespace

KeyWidth keyWidthFor(const Board& board) {
  return std::all_of(board.cells().begin(), board.cells().end(), fitsNarrow) ? KeyWidth::Narrow
                                                                             : KeyWidth::Wide;
}

bool encodeBoardKey(const Board& board, KeyWidth width, std::span<std::uint8_t> key) {
  if (key.size() != keyBytes(width)) {
    return false;
  }
  const auto& cells = board.cells();
  if (width == KeyWidth::Wide) {
    for (std::size_t cell = 0; cell < cells.size(); ++cell) {
      const auto value = static_cast<std::uint16_t>(cells[cell]);
      key[2 * cell] = static_cast<std::uint8_t>(value & 0xFF);
      key[2 * cell + 1] = static_cast<std::uint8_t>(value >> 8);
    }
    return true;
  }
  // One pass with no early exit, which the compiler turns into wide vector operations: the
  // overflow test looks at all cells at once at the end.
  std::uint16_t seen = 0;
  for (std::size_t cell = 0; cell < cells.size(); ++cell) {
    const auto value = static_cast<std::uint16_t>(cells[cell]);
    seen |= value;
    key[cell] = static_cast<std::uint8_t>(value);
  }
  return seen <= kNarrowLimit;
}

Board decodeBoardKey(std::span<const std::uint8_t> key, KeyWidth width) {
  Board board;
  auto& cells = board.cells();
  if (key.size() != keyBytes(width)) {
    return board;
  }
  if (width == KeyWidth::Wide) {
    for (std::size_t cell = 0; cell < cells.size(); ++cell) {
      cells[cell] = static_cast<TileCode>(key[2 * cell] | (key[2 * cell + 1] << 8));
    }
  } else {
    for (std::size_t cell = 0; cell < cells.size(); ++cell) {
      cells[cell] = static_cast<TileCode>(key[cell]);
    }
  }
  return board;
}

}  // namespace vantoki
