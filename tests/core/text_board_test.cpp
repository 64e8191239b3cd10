// Boards written as text: rows of characters become the top-left corner of a board of walls, a
// caller's own characters take precedence over the legend, and anything else is refused rather
// than read as some tile.
#include "core/text_board.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board_fixture.h"

namespace vantoki {
namespace {

using testing::c;

TEST(TextBoardTest, RefusesRowsThatAreNotABoard) {
  const std::string tooWide(kBoardSize + 1, '.');
  const std::vector<std::string_view> tooTall(kBoardSize + 1, ".");
  const std::vector<std::vector<std::string_view>> refused = {
      {}, {"#", ""}, {"#S#"}, {"P O"}, {tooWide}, tooTall,
  };
  for (const std::vector<std::string_view>& rows : refused) {
    EXPECT_FALSE(boardFromText(rows).has_value()) << ::testing::PrintToString(rows);
  }
}

TEST(TextBoardTest, PlacesEveryCharacterInTheTopLeftCornerOfWalls) {
  const std::optional<Board> board =
      boardFromText(std::vector<std::string_view>{".#HPQ", "B*oX", "<^>v"});
  ASSERT_TRUE(board.has_value());
  Board expected;
  expected.fill(c(Tile::Wall));
  const TileCode firstRow[] = {c(Tile::Empty), c(Tile::Wall), c(Tile::Ladder), c(Tile::Player),
                               c(Tile::PlayerOnLadder)};
  const TileCode secondRow[] = {c(Tile::Bomb), c(Tile::Star), c(Tile::Ball), c(Tile::Explosion)};
  // Arrow blocks as the editor places them: left, up, right, down with a fresh countdown.
  const TileCode thirdRow[] = {26, 46, 66, 86};
  for (int x = 0; x < 5; ++x) {
    expected.set(x, 0, firstRow[x]);
  }
  for (int x = 0; x < 4; ++x) {
    expected.set(x, 1, secondRow[x]);
    expected.set(x, 2, thirdRow[x]);
  }
  EXPECT_EQ(*board, expected);
}

TEST(TextBoardTest, TakesRowsAsLargeAsTheBoard) {
  const std::string fullRow(kBoardSize, '.');
  const std::vector<std::string_view> rows(kBoardSize, fullRow);
  const std::optional<Board> board = boardFromText(rows);
  ASSERT_TRUE(board.has_value());
  EXPECT_EQ(countTiles(*board, Tile::Empty), kCellCount);
}

TEST(TextBoardTest, CallersCodesComeBeforeTheLegend) {
  const std::vector<TextCode> codes = {{'v', 77}, {'w', -3}};
  const std::optional<Board> board = boardFromText(std::vector<std::string_view>{"vw"}, codes);
  ASSERT_TRUE(board.has_value());
  EXPECT_EQ(board->at(0, 0), 77);
  EXPECT_EQ(board->at(1, 0), -3);
  EXPECT_EQ(board->at(2, 0), c(Tile::Wall));
}

}  // namespace
}  // namespace vantoki
