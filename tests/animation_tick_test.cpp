// The animation timer driven tick by tick, without a real timer or window.
#include "view/animation_tick.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "board_fixture.h"
#include "core/move_entry.h"
#include "core/stage_selection.h"
#include "strip_fixture.h"
#include "view/game_speed.h"

namespace vantoki {
namespace {

using testing::c;
using testing::walledBoardWith;

constexpr int kLeft = 0, kUp = 1, kRight = 2;

class FakeHost : public TickHost {
 public:
  bool leftButtonDown() override { return buttonDown; }
  void showTurnLabels(int currentTurn, int lastTurn) override {
    labels = std::to_string(currentTurn) + "/" + std::to_string(lastTurn);
  }
  void showTurnLimitMessage() override {
    ++turnLimitMessages;
    if (whileMessageOpen) {
      whileMessageOpen();
    }
  }
  void showStageClear() override { ++stageClears; }

  bool buttonDown = false;
  std::string labels;
  int turnLimitMessages = 0;
  int stageClears = 0;
  std::function<void()> whileMessageOpen;
};

class AnimationTickTest : public ::testing::Test {
 protected:
  void start(const Board& stage) {
    startPlay(*state, stage);
    painter.redrawBoard(stage);
  }

  void tick(bool editMode = false) { timer.tick(*state, animStep, editMode, painter, host); }

  // Ticks until the move in progress commits; returns how many ticks that took.
  int ticksToCommit() {
    int ticks = 0;
    while (state->animating != 0 && ticks < 100) {
      tick();
      ++ticks;
    }
    return ticks;
  }

  void press(int direction) {
    ASSERT_TRUE(pressDirectionButton(*state, direction, kLeftMouseButton));
  }

  std::unique_ptr<PlayState> state = std::make_unique<PlayState>();
  Image24 image{kBoardPixels, kBoardPixels};
  BoardPainter painter{testing::gameStrips(), image};
  AnimationTimer timer;
  FakeHost host;
  int animStep = kStandardAnimStep;
};

class SpeedTest : public AnimationTickTest, public ::testing::WithParamInterface<int> {};

TEST_P(SpeedTest, AMoveTakesFortyPixelsOfTicks) {
  animStep = animStepForSpeed(GetParam());
  start(walledBoardWith({{7, 13, c(Tile::Player)}, {9, 13, c(Tile::Star)}}));
  press(kRight);
  const int presentsBefore = painter.presentCount();
  EXPECT_EQ(ticksToCommit(), kCellPixels / animStep);
  EXPECT_EQ(painter.presentCount() - presentsBefore, kCellPixels / animStep);
  EXPECT_EQ(state->currentTurn, 1);
  EXPECT_EQ(host.labels, "1/1");
}

INSTANTIATE_TEST_SUITE_P(AllSpeeds, SpeedTest, ::testing::Range(0, 5));

TEST_F(AnimationTickTest, MoveWithoutMotionStillCommits) {
  start(walledBoardWith({{7, 13, c(Tile::Player)}, {9, 13, c(Tile::Star)}}));
  press(kUp);
  EXPECT_EQ(ticksToCommit(), 4);
  EXPECT_EQ(state->lastTurn, 1);
}

TEST_F(AnimationTickTest, FinalFrameMatchesAFullRedraw) {
  start(walledBoardWith({{2, 13, c(Tile::Player)},
                         {3, 13, c(Tile::Ball)},
                         {6, 10, c(Tile::Bomb)},
                         {6, 11, c(Tile::Star)},
                         {9, 12, c(Tile::PlayerOnLadder)},
                         {9, 13, c(Tile::Ladder)},
                         {11, 13, 51}}));
  for (const int direction : {kRight, kUp, kUp, kLeft}) {
    press(direction);
    ticksToCommit();
    Image24 redrawn(kBoardPixels, kBoardPixels);
    BoardPainter(testing::gameStrips(), redrawn).redrawBoard(state->currentBoard());
    ASSERT_EQ(image, redrawn) << "after turn " << state->currentTurn;
  }
}

TEST_F(AnimationTickTest, HeldButtonRepeatsOnTheFirstIdleTick) {
  start(walledBoardWith({{2, 13, c(Tile::Player)}, {12, 13, c(Tile::Star)}}));
  host.buttonDown = true;
  press(kRight);
  ticksToCommit();
  EXPECT_EQ(state->animating, 0);
  tick();
  EXPECT_EQ(state->animating, 1);
  EXPECT_EQ(state->moveLog[1], kRight);
  ticksToCommit();
  host.buttonDown = false;
  tick();
  EXPECT_EQ(state->heldButton, 0);
  EXPECT_EQ(state->animating, 0);
  EXPECT_EQ(state->currentBoard().at(4, 13), c(Tile::Player));
}

TEST_F(AnimationTickTest, ButtonReleasedDuringTheMoveIsNotRepeated) {
  start(walledBoardWith({{2, 13, c(Tile::Player)}, {12, 13, c(Tile::Star)}}));
  host.buttonDown = true;
  press(kRight);
  tick();
  host.buttonDown = false;
  ticksToCommit();
  tick();
  EXPECT_EQ(state->animating, 0);
  EXPECT_EQ(state->lastTurn, 1);
}

TEST_F(AnimationTickTest, ClearingTheStageStopsTheRepeat) {
  start(
      walledBoardWith({{2, 13, c(Tile::Player)}, {3, 13, c(Tile::Bomb)}, {4, 13, c(Tile::Star)}}));
  host.buttonDown = true;
  press(kRight);
  ticksToCommit();
  EXPECT_EQ(host.stageClears, 1);
  EXPECT_EQ(state->heldButton, 0);
  tick();
  EXPECT_EQ(state->animating, 0);
}

TEST_F(AnimationTickTest, EditorFreezesTheMoveWhereItIs) {
  start(walledBoardWith({{2, 13, c(Tile::Player)}, {12, 13, c(Tile::Star)}}));
  press(kRight);
  tick();
  const Image24 frozen = image;
  for (int ticks = 0; ticks < 10; ++ticks) {
    tick(true);
  }
  EXPECT_EQ(state->animating, 2);
  EXPECT_EQ(image, frozen);
  EXPECT_EQ(ticksToCommit(), 3);
}

TEST_F(AnimationTickTest, EditorNeverRepeatsAHeldButton) {
  start(walledEmptyBoard());
  host.buttonDown = true;
  state->heldButton = 3;
  tick(true);
  EXPECT_EQ(state->animating, 0);
}

TEST_F(AnimationTickTest, MovesPastTurn500ShowTheMessageEachTime) {
  start(walledBoardWith({{7, 13, c(Tile::Player)}, {12, 13, c(Tile::Star)}}));
  animStep = animStepForSpeed(0);
  for (int turn = 0; turn < 500; ++turn) {
    press(turn % 2 == 0 ? kRight : kLeft);
    ticksToCommit();
  }
  EXPECT_EQ(host.turnLimitMessages, 0);
  EXPECT_EQ(host.labels, "500/500");
  for (int extra = 1; extra <= 2; ++extra) {
    press(kRight);
    ticksToCommit();
    EXPECT_EQ(host.turnLimitMessages, extra);
    EXPECT_EQ(host.labels, "501/501");
    EXPECT_EQ(state->currentTurn, 500);
    EXPECT_EQ(state->lastTurn, 500);
  }
}

TEST_F(AnimationTickTest, TicksWhileTheLimitMessageIsOpenAreSkipped) {
  start(walledBoardWith({{7, 13, c(Tile::Player)}, {12, 13, c(Tile::Star)}}));
  animStep = animStepForSpeed(0);
  for (int turn = 0; turn < 500; ++turn) {
    press(turn % 2 == 0 ? kRight : kLeft);
    ticksToCommit();
  }
  host.buttonDown = true;
  int ticksDuringMessage = 0;
  host.whileMessageOpen = [&] {
    for (int ticks = 0; ticks < 3; ++ticks) {
      tick();
      ++ticksDuringMessage;
    }
    EXPECT_EQ(state->animating, 0);
    EXPECT_EQ(state->currentTurn, 500);
  };
  press(kRight);
  ticksToCommit();
  EXPECT_EQ(ticksDuringMessage, 3);
  EXPECT_EQ(host.turnLimitMessages, 1);
  tick();  // the message is closed: the held button repeats now
  EXPECT_EQ(state->animating, 1);
}

}  // namespace
}  // namespace vantoki
