// A play as a sequence of presses and commits: the move entry, the commit into the history,
// the turn limit, stepping through the history and the stage-clear test.
#include <gtest/gtest.h>

#include <memory>

#include "board_fixture.h"
#include "core/history_navigation.h"
#include "core/move_entry.h"
#include "core/stage_selection.h"
#include "core/turn_commit.h"

namespace vantoki {
namespace {

using testing::c;
using testing::walledBoardWith;

constexpr int kLeft = 0, kUp = 1, kRight = 2;

class PlayTest : public ::testing::Test {
 protected:
  void start(const Board& stage) { startPlay(*state, stage); }

  // One whole move as the window makes it: press, then the commit at the end of the animation.
  CommitResult play(int direction) {
    EXPECT_TRUE(pressDirectionButton(*state, direction, kLeftMouseButton));
    return commitTurn(*state);
  }

  std::unique_ptr<PlayState> state = std::make_unique<PlayState>();
};

TEST_F(PlayTest, PressRecordsHeldButtonEvenWhenIgnored) {
  start(walledBoardWith({{5, 13, c(Tile::Player)}}));

  EXPECT_FALSE(pressDirectionButton(*state, kRight, kRightMouseButton));
  EXPECT_EQ(state->heldButton, 3);
  EXPECT_EQ(state->animating, 0);

  EXPECT_TRUE(pressDirectionButton(*state, kLeft, kLeftMouseButton));
  EXPECT_EQ(state->animating, 1);
  EXPECT_EQ(state->moveLog[0], kLeft);
  EXPECT_EQ(state->workBoard.at(4, 13), c(Tile::Player));

  // A second press while the first move animates changes only the held button.
  const Board work = state->workBoard;
  EXPECT_FALSE(pressDirectionButton(*state, kUp, kLeftMouseButton));
  EXPECT_EQ(state->heldButton, 2);
  EXPECT_EQ(state->moveLog[0], kLeft);
  EXPECT_EQ(state->workBoard, work);

  releaseDirectionButton(*state);
  EXPECT_EQ(state->heldButton, 0);
}

TEST_F(PlayTest, CommitStoresTheBoardWithoutExplosions) {
  start(
      walledBoardWith({{2, 13, c(Tile::Player)}, {3, 13, c(Tile::Bomb)}, {4, 13, c(Tile::Star)}}));

  const CommitResult result = play(kRight);

  EXPECT_EQ(state->currentTurn, 1);
  EXPECT_EQ(state->lastTurn, 1);
  EXPECT_EQ(state->animating, 0);
  EXPECT_EQ(result.shownTurn, 1);
  EXPECT_FALSE(result.turnLimitReached);
  EXPECT_TRUE(result.stageCleared());
  EXPECT_EQ(state->boardHistory[1], walledBoardWith({{2, 13, c(Tile::Player)}}));
  EXPECT_EQ(state->boardHistory[0].at(3, 13), c(Tile::Bomb));
}

TEST_F(PlayTest, StageWithStarsLeftIsNotCleared) {
  start(walledBoardWith({{2, 13, c(Tile::Player)}, {9, 13, c(Tile::Star)}}));
  EXPECT_EQ(play(kRight).starCount, 1);
}

TEST_F(PlayTest, EmptyRoomIsClearedByTheFirstMove) {
  start(walledEmptyBoard());
  const CommitResult result = play(kUp);
  EXPECT_TRUE(result.stageCleared());
  EXPECT_EQ(state->boardHistory[1], walledEmptyBoard());
}

// The kicked ball flies back during the 16th move, counting the kick as the first.
TEST_F(PlayTest, KickedBallFliesBackAfterItsCountdown) {
  start(walledBoardWith({{2, 13, c(Tile::Player)}, {3, 13, c(Tile::Ball)}}));
  play(kRight);
  EXPECT_EQ(state->currentBoard().at(4, 13), 25);
  for (int further = 1; further <= 14; ++further) {
    play(kUp);
    EXPECT_EQ(state->currentBoard().at(4, 13), 25 - further);
  }
  play(kUp);
  EXPECT_EQ(state->currentBoard(),
            walledBoardWith({{2, 13, c(Tile::Player)}, {3, 13, c(Tile::Ball)}}));
  EXPECT_EQ(state->motionGrid.at(4, 13), 1);
}

TEST_F(PlayTest, ReturningBlockPushesAStillPlayer) {
  start(walledBoardWith({{2, 13, c(Tile::Player)}, {3, 13, c(Tile::Ball)}}));
  play(kRight);  // kick: block at (4, 13) with countdown 15
  play(kRight);  // walk onto the ball's old cell
  for (int move = 0; move < 14; ++move) {
    play(kUp);
  }
  EXPECT_EQ(state->currentBoard(),
            walledBoardWith({{2, 13, c(Tile::Player)}, {3, 13, c(Tile::Ball)}}));
}

TEST_F(PlayTest, ReturningBlockWaitsForAWalkingPlayer) {
  start(walledBoardWith({{2, 13, c(Tile::Player)}, {3, 13, c(Tile::Ball)}}));
  play(kRight);
  play(kRight);
  for (int move = 0; move < 13; ++move) {
    play(kUp);
  }
  play(kLeft);  // the block's last count falls on a move in which the player walks away
  EXPECT_EQ(state->currentBoard(), walledBoardWith({{2, 13, c(Tile::Player)}, {4, 13, 11}}));
  play(kUp);
  EXPECT_EQ(state->currentBoard(),
            walledBoardWith({{2, 13, c(Tile::Player)}, {3, 13, c(Tile::Ball)}}));
}

TEST_F(PlayTest, MovesPastTheLimitReplaceTurn500) {
  start(walledBoardWith({{7, 13, c(Tile::Player)}}));
  for (int turn = 1; turn <= kTurnLimit; ++turn) {
    ASSERT_FALSE(play(turn % 2 == 0 ? kLeft : kRight).turnLimitReached);
  }
  EXPECT_EQ(state->currentTurn, 500);
  const Board turn499 = state->boardHistory[499];

  for (int extra = 0; extra < 3; ++extra) {
    const int direction = extra % 2 == 0 ? kRight : kLeft;
    const CommitResult result = play(direction);
    EXPECT_TRUE(result.turnLimitReached);
    EXPECT_EQ(result.shownTurn, 501);
    EXPECT_EQ(state->currentTurn, 500);
    EXPECT_EQ(state->lastTurn, 500);
    EXPECT_EQ(state->moveLog[500], direction);
    EXPECT_EQ(state->boardHistory[500], state->workBoard);
  }
  EXPECT_EQ(state->boardHistory[499], turn499);
}

TEST_F(PlayTest, MovingFromAnEarlierTurnDropsTheLaterOnes) {
  start(walledBoardWith({{7, 13, c(Tile::Player)}}));
  for (int move = 0; move < 12; ++move) {
    play(kRight);
  }
  for (int back = 0; back < 7; ++back) {
    navigateHistory(*state, HistoryButton::Previous);
  }
  EXPECT_EQ(state->currentTurn, 5);
  EXPECT_EQ(state->lastTurn, 12);

  play(kLeft);

  EXPECT_EQ(state->currentTurn, 6);
  EXPECT_EQ(state->lastTurn, 6);
  EXPECT_EQ(state->moveLog[5], kLeft);
  EXPECT_EQ(state->currentBoard(), walledBoardWith({{11, 13, c(Tile::Player)}}));
}

struct NavigationCase {
  const char* name;
  int startTurn;
  HistoryButton button;
  int presses;
  int expectedTurn;
};

void PrintTo(const NavigationCase& test, std::ostream* out) {
  *out << test.name;
}

class HistoryNavigationTest : public ::testing::TestWithParam<NavigationCase> {};

TEST_P(HistoryNavigationTest, ClampsToThePlay) {
  const NavigationCase& test = GetParam();
  auto state = std::make_unique<PlayState>();
  state->lastTurn = 3;
  state->currentTurn = static_cast<std::int16_t>(test.startTurn);
  for (int press = 0; press < test.presses; ++press) {
    EXPECT_TRUE(navigateHistory(*state, test.button));
  }
  EXPECT_EQ(state->currentTurn, test.expectedTurn);
  EXPECT_EQ(state->lastTurn, 3);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, HistoryNavigationTest,
    ::testing::Values(NavigationCase{"first_from_end", 3, HistoryButton::First, 1, 0},
                      NavigationCase{"first_at_zero", 0, HistoryButton::First, 1, 0},
                      NavigationCase{"previous_at_zero", 0, HistoryButton::Previous, 1, 0},
                      NavigationCase{"previous_twice", 3, HistoryButton::Previous, 2, 1},
                      NavigationCase{"next_five_times", 0, HistoryButton::Next, 5, 3},
                      NavigationCase{"next_at_end", 3, HistoryButton::Next, 1, 3},
                      NavigationCase{"last_from_zero", 0, HistoryButton::Last, 1, 3},
                      NavigationCase{"last_at_end", 3, HistoryButton::Last, 1, 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlayTest, NavigationWaitsForTheMoveInProgress) {
  start(walledBoardWith({{7, 13, c(Tile::Player)}}));
  play(kRight);
  ASSERT_TRUE(pressDirectionButton(*state, kRight, kLeftMouseButton));
  EXPECT_FALSE(navigateHistory(*state, HistoryButton::First));
  EXPECT_EQ(state->currentTurn, 1);
  commitTurn(*state);
  EXPECT_EQ(state->currentTurn, 2);
}

TEST_F(PlayTest, StageClearShowsOnlyAtTheEndOfAClearedPlay) {
  start(
      walledBoardWith({{2, 13, c(Tile::Player)}, {3, 13, c(Tile::Bomb)}, {4, 13, c(Tile::Star)}}));
  EXPECT_FALSE(showsStageClear(*state));
  play(kRight);
  EXPECT_TRUE(showsStageClear(*state));
  navigateHistory(*state, HistoryButton::Previous);
  EXPECT_FALSE(showsStageClear(*state));
  navigateHistory(*state, HistoryButton::Last);
  EXPECT_TRUE(showsStageClear(*state));
}

TEST_F(PlayTest, StarlessStageIsNotClearedBeforeAMove) {
  start(walledEmptyBoard());
  EXPECT_FALSE(showsStageClear(*state));
}

TEST_F(PlayTest, SelectingAStageStartsAFreshPlay) {
  start(walledBoardWith({{7, 13, c(Tile::Player)}}));
  play(kRight);
  play(kUp);
  const Board stage = walledBoardWith({{3, 13, c(Tile::Star)}});
  start(stage);
  EXPECT_EQ(state->currentTurn, 0);
  EXPECT_EQ(state->lastTurn, 0);
  EXPECT_EQ(state->moveLog[0], 0);
  EXPECT_EQ(state->currentBoard(), stage);
}

}  // namespace
}  // namespace vantoki
