// The play's tick driven tick by tick, without a real timer or window, with a listener that
// draws as the window does.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "board_fixture.h"
#include "play/play.h"
#include "strip_fixture.h"
#include "view/board_painter.h"
#include "view/game_speed.h"
#include "view/move_drawing.h"

namespace vantoki {
namespace {

using testing::c;
using testing::walledBoardWith;

constexpr int kLeft = 0, kUp = 1, kRight = 2;

class DrawingListener : public PlayListener {
 public:
  DrawingListener(BoardPainter& painter, const int& animStep)
      : painter_(painter), animStep_(animStep) {}

  void turnLabelsChanged(int currentTurn, int lastTurn) override {
    labels = std::to_string(currentTurn) + "/" + std::to_string(lastTurn);
  }
  void stageClearChanged(bool cleared) override { stageClears += cleared ? 1 : 0; }
  void moveFrameDue(const MoveFrame& frame) override {
    drawMoveFrame(painter_, frame.before, frame.after, frame.motion, animStep_, frame.frame);
    if (!frame.arrives) {
      painter_.presentBoard();
    }
  }
  void turnLimitReached() override {
    ++turnLimitMessages;
    if (whileMessageOpen) {
      whileMessageOpen();
    }
  }
  void moveCommitted(const Board& resolved, const Board& committed) override {
    drawCommittedCells(painter_, resolved, committed);
    painter_.presentBoard();
  }

  std::string labels;
  int turnLimitMessages = 0;
  int stageClears = 0;
  std::function<void()> whileMessageOpen;

 private:
  BoardPainter& painter_;
  const int& animStep_;
};

class PlayTickTest : public ::testing::Test {
 protected:
  void SetUp() override { state->addListener(listener); }

  void start(const Board& stage) {
    state->selectStage(stage);
    painter.redrawBoard(stage);
  }

  void tick(bool editMode = false) {
    state->tick(kCellPixels / animStep, editMode, [this] { return buttonDown; });
  }

  // Ticks until the move in progress commits; returns how many ticks that took.
  int ticksToCommit() {
    int ticks = 0;
    while (state->animating() != 0 && ticks < 100) {
      tick();
      ++ticks;
    }
    return ticks;
  }

  void press(int direction) { ASSERT_TRUE(state->pressDirection(direction)); }

  std::unique_ptr<Play> state = std::make_unique<Play>();
  Image24 image{kBoardPixels, kBoardPixels};
  BoardPainter painter{testing::gameStrips(), image};
  int animStep = kStandardAnimStep;
  DrawingListener listener{painter, animStep};
  bool buttonDown = false;
};

class SpeedTest : public PlayTickTest, public ::testing::WithParamInterface<int> {};

TEST_P(SpeedTest, AMoveTakesFortyPixelsOfTicks) {
  animStep = animStepForSpeed(GetParam());
  start(walledBoardWith({{7, 13, c(Tile::Player)}, {9, 13, c(Tile::Star)}}));
  press(kRight);
  const int presentsBefore = painter.presentCount();
  EXPECT_EQ(ticksToCommit(), kCellPixels / animStep);
  EXPECT_EQ(painter.presentCount() - presentsBefore, kCellPixels / animStep);
  EXPECT_EQ(state->currentTurn(), 1);
  EXPECT_EQ(listener.labels, "1/1");
}

INSTANTIATE_TEST_SUITE_P(AllSpeeds, SpeedTest, ::testing::Range(0, 5));

TEST_F(PlayTickTest, MoveWithoutMotionStillCommits) {
  start(walledBoardWith({{7, 13, c(Tile::Player)}, {9, 13, c(Tile::Star)}}));
  press(kUp);
  EXPECT_EQ(ticksToCommit(), 4);
  EXPECT_EQ(state->lastTurn(), 1);
}

TEST_F(PlayTickTest, FinalFrameMatchesAFullRedraw) {
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
    ASSERT_EQ(image, redrawn) << "after turn " << state->currentTurn();
  }
}

TEST_F(PlayTickTest, HeldButtonRepeatsOnTheFirstIdleTick) {
  start(walledBoardWith({{2, 13, c(Tile::Player)}, {12, 13, c(Tile::Star)}}));
  buttonDown = true;
  press(kRight);
  ticksToCommit();
  EXPECT_EQ(state->animating(), 0);
  tick();
  EXPECT_EQ(state->animating(), 1);
  EXPECT_EQ(state->moveLog()[1], kRight);
  ticksToCommit();
  buttonDown = false;
  tick();
  EXPECT_EQ(state->heldButton(), 0);
  EXPECT_EQ(state->animating(), 0);
  EXPECT_EQ(state->currentBoard().at(4, 13), c(Tile::Player));
}

TEST_F(PlayTickTest, ButtonReleasedDuringTheMoveIsNotRepeated) {
  start(walledBoardWith({{2, 13, c(Tile::Player)}, {12, 13, c(Tile::Star)}}));
  buttonDown = true;
  press(kRight);
  tick();
  buttonDown = false;
  ticksToCommit();
  tick();
  EXPECT_EQ(state->animating(), 0);
  EXPECT_EQ(state->lastTurn(), 1);
}

TEST_F(PlayTickTest, ClearingTheStageStopsTheRepeat) {
  start(
      walledBoardWith({{2, 13, c(Tile::Player)}, {3, 13, c(Tile::Bomb)}, {4, 13, c(Tile::Star)}}));
  buttonDown = true;
  press(kRight);
  ticksToCommit();
  EXPECT_EQ(listener.stageClears, 1);
  EXPECT_EQ(state->heldButton(), 0);
  tick();
  EXPECT_EQ(state->animating(), 0);
}

TEST_F(PlayTickTest, EditorFreezesTheMoveWhereItIs) {
  start(walledBoardWith({{2, 13, c(Tile::Player)}, {12, 13, c(Tile::Star)}}));
  press(kRight);
  tick();
  const Image24 frozen = image;
  for (int ticks = 0; ticks < 10; ++ticks) {
    tick(true);
  }
  EXPECT_EQ(state->animating(), 2);
  EXPECT_EQ(image, frozen);
  EXPECT_EQ(ticksToCommit(), 3);
}

TEST_F(PlayTickTest, EditorNeverRepeatsAHeldButton) {
  start(walledEmptyBoard());
  buttonDown = true;
  state->holdDirection(kRight);
  tick(true);
  EXPECT_EQ(state->animating(), 0);
}

TEST_F(PlayTickTest, TicksWhileTheLimitMessageIsOpenAreSkipped) {
  start(walledBoardWith({{7, 13, c(Tile::Player)}, {12, 13, c(Tile::Star)}}));
  animStep = animStepForSpeed(0);
  for (int turn = 0; turn < 500; ++turn) {
    press(turn % 2 == 0 ? kRight : kLeft);
    ticksToCommit();
  }
  buttonDown = true;
  int ticksDuringMessage = 0;
  listener.whileMessageOpen = [&] {
    for (int ticks = 0; ticks < 3; ++ticks) {
      tick();
      ++ticksDuringMessage;
    }
    EXPECT_EQ(state->animating(), 0);
    EXPECT_EQ(state->currentTurn(), 500);
  };
  press(kRight);
  ticksToCommit();
  EXPECT_EQ(ticksDuringMessage, 3);
  EXPECT_EQ(listener.turnLimitMessages, 1);
  tick();  // the message is closed: the held button repeats now
  EXPECT_EQ(state->animating(), 1);
}

}  // namespace
}  // namespace vantoki
