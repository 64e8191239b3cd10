#include "core/text_board.h"

#include <array>

namespace vantoki {
namespace {

constexpr std::array<TextCode, 13> kLegend = {{
    {'.', code(Tile::Empty)},
    {'#', code(Tile::Wall)},
    {'H', code(Tile::Ladder)},
    {'P', code(Tile::Player)},
    {'Q', code(Tile::PlayerOnLadder)},
    {'B', code(Tile::Bomb)},
    {'*', code(Tile::Star)},
    {'o', code(Tile::Ball)},
    {'X', code(Tile::Explosion)},
    {'<', newArrowBlock(static_cast<int>(Direction::Left))},
    {'^', newArrowBlock(static_cast<int>(Direction::Up))},
    {'>', newArrowBlock(static_cast<int>(Direction::Right))},
    {'v', newArrowBlock(static_cast<int>(Direction::Down))},
}};

std::optional<TileCode> codeOf(char character, std::span<const TextCode> moreCodes) {
  for (const std::span<const TextCode> codes : {moreCodes, std::span<const TextCode>(kLegend)}) {
    for (const TextCode& entry : codes) {
      if (entry.character == character) {
        return entry.value;
      }
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<Board> boardFromText(std::span<const std::string_view> rows,
                                   std::span<const TextCode> moreCodes) {
  if (rows.empty() || rows.size() > kBoardSize) {
    return std::nullopt;
  }
  Board board;
  board.fill(code(Tile::Wall));
  for (int y = 0; y < static_cast<int>(rows.size()); ++y) {
    if (rows[y].empty() || rows[y].size() > kBoardSize) {
      return std::nullopt;
    }
    for (int x = 0; x < static_cast<int>(rows[y].size()); ++x) {
      const std::optional<TileCode> value = codeOf(rows[y][x], moreCodes);
      if (!value) {
        return std::nullopt;
      }
      board.set(x, y, *value);
    }
  }
  return board;
}

}  // namespace vantoki
