// A small stretch of board for the help page, written as rows of characters (core/text_board.h)
// and played through the game's own moves, so every picture of a rule shows what the game really
// does.
#pragma once

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

// The boards the scene shows: the start, then one per step. A step's explosions stay on the
// board it leaves, as the player sees them while its last move is animated; the moves before it
// are committed, their explosions gone.
std::vector<Board> playScene(const Board& start, const std::vector<std::string_view>& steps);

}  // namespace vantoki
