#include "help/help_scene.h"

#include "core/direction.h"
#include "core/move_resolution.h"
#include "core/turn_commit.h"

namespace vantoki {
namespace {

std::optional<TileCode> codeOfCharacter(char character) {
  switch (character) {
    case '.':
      return code(Tile::Empty);
    case '#':
      return code(Tile::Wall);
    case 'H':
      return code(Tile::Ladder);
    case 'P':
      return code(Tile::Player);
    case 'Q':
      return code(Tile::PlayerOnLadder);
    case 'B':
      return code(Tile::Bomb);
    case '*':
      return code(Tile::Star);
    case 'o':
      return code(Tile::Ball);
    case 'X':
      return code(Tile::Explosion);
    case '<':
      return newArrowBlock(static_cast<int>(Direction::Left));
    case '^':
      return newArrowBlock(static_cast<int>(Direction::Up));
    case '>':
      return newArrowBlock(static_cast<int>(Direction::Right));
    case 'v':
      return newArrowBlock(static_cast<int>(Direction::Down));
    default:
      return std::nullopt;
  }
}

}  // namespace

std::optional<Board> sceneBoard(const std::vector<std::string_view>& rows) {
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
      const std::optional<TileCode> value = codeOfCharacter(rows[y][x]);
      if (!value) {
        return std::nullopt;
      }
      board.set(x, y, *value);
    }
  }
  return board;
}

std::vector<Board> playScene(const Board& start, const std::vector<std::string_view>& steps) {
  std::vector<Board> shown{start};
  Board board = start;
  for (const std::string_view step : steps) {
    for (const char direction : step) {
      clearExplosions(board);
      Board work;
      MotionGrid motion;
      resolveMove(board, direction - '0', work, motion);
      board = work;
    }
    shown.push_back(board);
  }
  return shown;
}

}  // namespace vantoki
