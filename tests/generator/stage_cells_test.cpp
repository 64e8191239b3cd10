// The settling of a generated stage's pieces: the board before the first move, so each piece
// drops the whole way at once and nothing else happens, unlike a move under the rules.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string_view>
#include <vector>

#include "board_fixture.h"
#include "core/text_board.h"
#include "generator/stage_cells.h"

namespace vantoki {
namespace {

// A small scene in the top-left corner of a board of walls.
Board scene(std::initializer_list<std::string_view> rows) {
  return boardFromText(std::vector<std::string_view>(rows)).value();
}

TEST(StageCellsTest, SettlingDropsPiecesAllTheWayAndPlaysNoMove) {
  const struct {
    const char* name;
    Board before;
    Board after;
  } cases[] = {
      {"the player, a bomb and a star fall to the floor",
       scene({"######", "#PB*.#", "#....#", "#....#"}),
       scene({"######", "#....#", "#....#", "#PB*.#"})},
      {"a stack lands in its order", scene({"####", "#*.#", "#B.#", "#..#"}),
       scene({"####", "#..#", "#*.#", "#B.#"})},
      // The rules drop the bomb a cell a move and burst the pair once it lies still on the star;
      // settled, it lies there for the first move.
      {"a bomb lands on a star and stays", scene({"####", "#B.#", "#..#", "#*.#"}),
       scene({"####", "#..#", "#B.#", "#*.#"})},
      {"balls hang, pieces rest on ladders and on balls",
       scene({"#####", "#B*.#", "#Ho.#", "#...#"}), scene({"#####", "#B*.#", "#Ho.#", "#...#"})},
      {"an arrow block neither counts down nor flies", scene({"#####", "#*.<#", "#...#"}),
       scene({"#####", "#..<#", "#*..#"})},
  };
  for (const auto& check : cases) {
    Board board = check.before;
    settlePieces(board);
    EXPECT_EQ(board, check.after) << check.name;
  }
}

}  // namespace
}  // namespace vantoki
