// The help page's scenes: rows of characters become the top-left corner of a board of walls,
// anything else is refused rather than drawn, and a scene shows one board per step with the
// explosions the player sees at the end of that step.
#include "help/help_scene.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board_fixture.h"

namespace vantoki {
namespace {

using testing::c;

TEST(HelpSceneTest, BoardRefusesRowsThatAreNotABoard) {
  const std::string tooWide(kBoardSize + 1, '.');
  const std::vector<std::string_view> tooTall(kBoardSize + 1, ".");
  const std::vector<std::vector<std::string_view>> refused = {
      {}, {"#", ""}, {"#S#"}, {"P O"}, {tooWide}, tooTall,
  };
  for (const std::vector<std::string_view>& rows : refused) {
    EXPECT_FALSE(sceneBoard(rows).has_value()) << ::testing::PrintToString(rows);
  }
}

TEST(HelpSceneTest, BoardPlacesEveryCharacterInTheTopLeftCornerOfWalls) {
  const std::optional<Board> board = sceneBoard({".#HPQ", "B*oX", "<^>v"});
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

TEST(HelpSceneTest, BoardTakesRowsAsLargeAsTheBoard) {
  const std::string fullRow(kBoardSize, '.');
  const std::vector<std::string_view> rows(kBoardSize, fullRow);
  const std::optional<Board> board = sceneBoard(rows);
  ASSERT_TRUE(board.has_value());
  EXPECT_EQ(countTiles(*board, Tile::Empty), kCellCount);
}

TEST(HelpSceneTest, PlayShowsTheStartThenTheBoardAfterEachStepOfMoves) {
  // A robot over a shaft three cells deep: the first step walks it off the ledge, the second
  // step's two moves drop it two cells.
  const Board start = *sceneBoard({"#P...#", "##...#", "##...#", "######"});
  const std::vector<Board> shown = playScene(start, {"2", "11"});
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0], start);
  EXPECT_EQ(shown[1].at(2, 0), c(Tile::Player));
  EXPECT_EQ(shown[2].at(2, 2), c(Tile::Player));
  EXPECT_EQ(countTiles(shown[2], Tile::Player), 1);
}

TEST(HelpSceneTest, PlayKeepsTheExplosionsOfAStepsLastMoveAndClearsThemOnTheNextMove) {
  const Board start = *sceneBoard({"######", "#PB*.#", "######"});
  const std::vector<Board> shown = playScene(start, {"2", "1"});
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[1].at(2, 1), c(Tile::Explosion));
  EXPECT_EQ(shown[1].at(3, 1), c(Tile::Explosion));
  EXPECT_EQ(countTiles(shown[2], Tile::Explosion), 0);
  EXPECT_EQ(countTiles(shown[2], Tile::Bomb), 0);
  EXPECT_EQ(countTiles(shown[2], Tile::Star), 0);
}

}  // namespace
}  // namespace vantoki
