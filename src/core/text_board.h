// Boards written as text, as the help page's scenes, the tests and the benchmarks write them: one
// string a row from the top, one character a cell from the left.
//
// '.' Empty, '#' Wall, 'H' Ladder, 'P' Player, 'Q' PlayerOnLadder, 'B' Bomb, '*' Star, 'o' Ball,
// 'X' Explosion, and '<' '^' '>' 'v' arrow blocks as the editor places them (countdown 16). A
// caller may give further characters codes of its own, which take precedence over the legend.
// Rows shorter than the board, and fewer rows than the board has, leave the rest Wall, so a small
// scene sits in the top-left corner of a board of walls.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "core/board.h"

namespace vantoki {

struct TextCode {
  char character;
  TileCode value;
};

// Empty when there is no row, more rows than the board holds, an empty row or one longer than
// the board, or a character that is neither in the legend nor among `moreCodes`.
std::optional<Board> boardFromText(std::span<const std::string_view> rows,
                                   std::span<const TextCode> moreCodes = {});

}  // namespace vantoki
