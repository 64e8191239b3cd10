// A small stretch of board for the help page, written as rows of characters and played through
// the game's own rules, so every picture of a rule shows what the game really does.
//
// Characters, as the tests write boards: '.' Empty, '#' Wall, 'H' Ladder, 'P' Player,
// 'Q' PlayerOnLadder, 'B' Bomb, '*' Star, 'o' Ball, 'X' Explosion, and '<' '^' '>' 'v' arrow
// blocks as the editor places them (countdown 16). The rows sit in the top-left corner of a board
// of walls.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "core/board.h"

namespace vantoki {

struct HelpScene {
  std::string_view name;
  std::vector<std::string_view> rows;
  // Each step is the directions pressed one after another ('0' left, '1' up, '2' right,
  // '3' down); the scene shows its board before the first step and after each step.
  std::vector<std::string_view> steps;
};

// Empty when there are no rows, a row holds a character outside the list, is empty or longer than
// the board, or the rows are more than the board holds.
std::optional<Board> sceneBoard(const std::vector<std::string_view>& rows);

// The boards the scene shows: the start, then one per step. A step's explosions stay on the
// board it leaves, as the player sees them while its last move is animated; the moves before it
// are committed, their explosions gone.
std::vector<Board> playScene(const Board& start, const std::vector<std::string_view>& steps);

}  // namespace vantoki
