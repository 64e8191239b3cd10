#include "fuzz_board.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace vantoki {
namespace {

constexpr std::array<TileCode, 11> kPaletteCodes = {
    code(Tile::Empty), code(Tile::Wall), code(Tile::Ladder), code(Tile::Player),
    code(Tile::Bomb),  code(Tile::Star), code(Tile::Ball),   newArrowBlock(0),
    newArrowBlock(1),  newArrowBlock(2), newArrowBlock(3)};

constexpr std::size_t kRawBoardBytes = 2 * kCellCount;
constexpr std::size_t kInnerCellCount = (kBoardSize - 2) * (kBoardSize - 2);

}  // namespace

bool isEditorBoard(const Board& board) {
  for (int y = 0; y < kBoardSize; ++y) {
    for (int x = 0; x < kBoardSize; ++x) {
      const TileCode value = board.at(x, y);
      const bool fits = isBorderCell(x, y) ? value == code(Tile::Wall)
                                           : std::find(kPaletteCodes.begin(), kPaletteCodes.end(),
                                                       value) != kPaletteCodes.end();
      if (!fits) {
        return false;
      }
    }
  }
  return true;
}

std::optional<Board> takeFuzzBoard(std::span<const std::uint8_t>& input) {
  if (input.empty()) {
    return std::nullopt;
  }
  const bool editorForm = (input[0] & 1) != 0;
  input = input.subspan(1);
  Board board;
  if (editorForm) {
    if (input.size() < kInnerCellCount) {
      return std::nullopt;
    }
    board = walledEmptyBoard();
    for (int y = 1; y < kBoardSize - 1; ++y) {
      for (int x = 1; x < kBoardSize - 1; ++x) {
        board.set(x, y, kPaletteCodes[input[0] % kPaletteCodes.size()]);
        input = input.subspan(1);
      }
    }
    return board;
  }
  if (input.size() < kRawBoardBytes) {
    return std::nullopt;
  }
  for (TileCode& value : board.cells()) {
    value = static_cast<TileCode>(input[0] | input[1] << 8);
    input = input.subspan(2);
  }
  return board;
}

}  // namespace vantoki
