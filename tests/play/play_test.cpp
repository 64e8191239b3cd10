// A play as a sequence of presses and commits: the direction press, the commit into the
// history, the turn limit, stepping through the history and the stage-clear test.
#include "play/play.h"

#include <gtest/gtest.h>

#include <memory>

#include "board_fixture.h"

namespace vantoki {
namespace {

using testing::c;
using testing::walledBoardWith;

constexpr int kLeft = 0, kUp = 1, kRight = 2;

class PlayTest : public ::testing::Test {
 protected:
  void start(const Board& stage) { state->selectStage(stage); }

  // One whole move as the window makes it: press, then the commit at the end of the animation.
  CommitOutcome play(int direction) {
    EXPECT_TRUE(state->pressDirection(direction));
    return state->finishMove();
  }

  std::unique_ptr<Play> state = std::make_unique<Play>();
};

TEST_F(PlayTest, PressRecordsHeldButtonEvenWhenIgnored) {
  start(walledBoardWith({{5, 13, c(Tile::Player)}}));

  state->holdDirection(kRight);
  EXPECT_EQ(state->heldButton(), 3);
  EXPECT_EQ(state->animating(), 0);

  EXPECT_TRUE(state->pressDirection(kLeft));
  EXPECT_EQ(state->animating(), 1);
  EXPECT_EQ(state->moveLog()[0], kLeft);
  EXPECT_EQ(state->workBoard().at(4, 13), c(Tile::Player));

  // A second press while the first move animates changes only the held button.
  const Board work = state->workBoard();
  EXPECT_FALSE(state->pressDirection(kUp));
  EXPECT_EQ(state->heldButton(), 2);
  EXPECT_EQ(state->moveLog()[0], kLeft);
  EXPECT_EQ(state->workBoard(), work);

  state->releaseDirection();
  EXPECT_EQ(state->heldButton(), 0);
}

TEST_F(PlayTest, CommitStoresTheBoardWithoutExplosions) {
  start(
      walledBoardWith({{2, 13, c(Tile::Player)}, {3, 13, c(Tile::Bomb)}, {4, 13, c(Tile::Star)}}));

  const CommitOutcome result = play(kRight);

  EXPECT_EQ(state->currentTurn(), 1);
  EXPECT_EQ(state->lastTurn(), 1);
  EXPECT_EQ(state->animating(), 0);
  EXPECT_EQ(result.shownTurn, 1);
  EXPECT_FALSE(result.turnLimitReached);
  EXPECT_TRUE(result.stageCleared);
  EXPECT_EQ(state->snapshot(1), walledBoardWith({{2, 13, c(Tile::Player)}}));
  EXPECT_EQ(state->snapshot(0).at(3, 13), c(Tile::Bomb));
}

TEST_F(PlayTest, StageWithStarsLeftIsNotCleared) {
  start(walledBoardWith({{2, 13, c(Tile::Player)}, {9, 13, c(Tile::Star)}}));
  EXPECT_FALSE(play(kRight).stageCleared);
  EXPECT_EQ(countTiles(state->currentBoard(), Tile::Star), 1);
}

TEST_F(PlayTest, EmptyRoomIsClearedByTheFirstMove) {
  start(walledEmptyBoard());
  const CommitOutcome result = play(kUp);
  EXPECT_TRUE(result.stageCleared);
  EXPECT_EQ(state->snapshot(1), walledEmptyBoard());
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
  EXPECT_EQ(state->motionGrid().at(4, 13), 1);
}

TEST_F(PlayTest, MovesPastTheLimitReplaceTurn500) {
  start(walledBoardWith({{7, 13, c(Tile::Player)}}));
  for (int turn = 1; turn <= kTurnLimit; ++turn) {
    ASSERT_FALSE(play(turn % 2 == 0 ? kLeft : kRight).turnLimitReached);
  }
  EXPECT_EQ(state->currentTurn(), 500);
  const Board turn499 = state->snapshot(499);

  for (int extra = 0; extra < 3; ++extra) {
    const int direction = extra % 2 == 0 ? kRight : kLeft;
    const CommitOutcome result = play(direction);
    EXPECT_TRUE(result.turnLimitReached);
    EXPECT_EQ(result.shownTurn, 501);
    EXPECT_EQ(state->currentTurn(), 500);
    EXPECT_EQ(state->lastTurn(), 500);
    EXPECT_EQ(state->moveLog()[500], direction);
    EXPECT_EQ(state->snapshot(500), state->workBoard());
  }
  EXPECT_EQ(state->snapshot(499), turn499);
}

TEST_F(PlayTest, MovingFromAnEarlierTurnDropsTheLaterOnes) {
  start(walledBoardWith({{7, 13, c(Tile::Player)}}));
  for (int move = 0; move < 12; ++move) {
    play(kRight);
  }
  for (int back = 0; back < 7; ++back) {
    state->stepThroughHistory(HistoryStep::Previous);
  }
  EXPECT_EQ(state->currentTurn(), 5);
  EXPECT_EQ(state->lastTurn(), 12);

  play(kLeft);

  EXPECT_EQ(state->currentTurn(), 6);
  EXPECT_EQ(state->lastTurn(), 6);
  EXPECT_EQ(state->moveLog()[5], kLeft);
  EXPECT_EQ(state->currentBoard(), walledBoardWith({{11, 13, c(Tile::Player)}}));
}

struct NavigationCase {
  const char* name;
  int startTurn;
  HistoryStep step;
  int presses;
  int expectedTurn;
};

void PrintTo(const NavigationCase& test, std::ostream* out) {
  *out << test.name;
}

class HistoryNavigationTest : public ::testing::TestWithParam<NavigationCase> {};

TEST_P(HistoryNavigationTest, ClampsToThePlay) {
  const NavigationCase& test = GetParam();
  int turn = test.startTurn;
  for (int press = 0; press < test.presses; ++press) {
    turn = turnAfterStep(test.step, turn, 3);
  }
  EXPECT_EQ(turn, test.expectedTurn);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, HistoryNavigationTest,
    ::testing::Values(NavigationCase{"first_from_end", 3, HistoryStep::First, 1, 0},
                      NavigationCase{"first_at_zero", 0, HistoryStep::First, 1, 0},
                      NavigationCase{"previous_at_zero", 0, HistoryStep::Previous, 1, 0},
                      NavigationCase{"previous_twice", 3, HistoryStep::Previous, 2, 1},
                      NavigationCase{"next_five_times", 0, HistoryStep::Next, 5, 3},
                      NavigationCase{"next_at_end", 3, HistoryStep::Next, 1, 3},
                      NavigationCase{"last_from_zero", 0, HistoryStep::Last, 1, 3},
                      NavigationCase{"last_at_end", 3, HistoryStep::Last, 1, 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlayTest, NavigationWaitsForTheMoveInProgress) {
  start(walledBoardWith({{7, 13, c(Tile::Player)}}));
  play(kRight);
  ASSERT_TRUE(state->pressDirection(kRight));
  EXPECT_FALSE(state->stepThroughHistory(HistoryStep::First));
  EXPECT_EQ(state->currentTurn(), 1);
  state->finishMove();
  EXPECT_EQ(state->currentTurn(), 2);
}

TEST_F(PlayTest, StageClearShowsOnlyAtTheEndOfAClearedPlay) {
  start(
      walledBoardWith({{2, 13, c(Tile::Player)}, {3, 13, c(Tile::Bomb)}, {4, 13, c(Tile::Star)}}));
  EXPECT_FALSE(state->showsStageClear());
  play(kRight);
  EXPECT_TRUE(state->showsStageClear());
  state->stepThroughHistory(HistoryStep::Previous);
  EXPECT_FALSE(state->showsStageClear());
  state->stepThroughHistory(HistoryStep::Last);
  EXPECT_TRUE(state->showsStageClear());
}

TEST_F(PlayTest, StarlessStageIsNotClearedBeforeAMove) {
  start(walledEmptyBoard());
  EXPECT_FALSE(state->showsStageClear());
}

TEST_F(PlayTest, SelectingAStageStartsAFreshPlay) {
  start(walledBoardWith({{7, 13, c(Tile::Player)}}));
  play(kRight);
  play(kUp);
  const Board stage = walledBoardWith({{3, 13, c(Tile::Star)}});
  start(stage);
  EXPECT_EQ(state->currentTurn(), 0);
  EXPECT_EQ(state->lastTurn(), 0);
  EXPECT_EQ(state->moveLog()[0], 0);
  EXPECT_EQ(state->currentBoard(), stage);
}

}  // namespace
}  // namespace vantoki
