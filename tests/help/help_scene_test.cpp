// The help page's scenes: a scene shows one board per step with the explosions the player sees at
// the end of that step.
#include "help/help_scene.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board_fixture.h"
#include "core/text_board.h"

namespace vantoki {
namespace {

using testing::c;

TEST(HelpSceneTest, PlayShowsTheStartThenTheBoardAfterEachStepOfMoves) {
  // A robot over a shaft three cells deep: the first step walks it off the ledge, the second
  // step's two moves drop it two cells.
  const Board start =
      *boardFromText(std::vector<std::string_view>{"#P...#", "##...#", "##...#", "######"});
  const std::vector<Board> shown = playScene(start, {"2", "11"});
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0], start);
  EXPECT_EQ(shown[1].at(2, 0), c(Tile::Player));
  EXPECT_EQ(shown[2].at(2, 2), c(Tile::Player));
  EXPECT_EQ(countTiles(shown[2], Tile::Player), 1);
}

TEST(HelpSceneTest, PlayKeepsTheExplosionsOfAStepsLastMoveAndClearsThemOnTheNextMove) {
  const Board start = *boardFromText(std::vector<std::string_view>{"######", "#PB*.#", "######"});
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
