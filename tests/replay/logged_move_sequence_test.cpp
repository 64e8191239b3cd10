// Playback of a logged line of moves: where it ends, and a stop just before the end mark.
#include "replay/logged_move_sequence.h"

#include <gtest/gtest.h>

#include <memory>

#include "board_fixture.h"

namespace vantoki {
namespace {

using testing::c;
using testing::walledBoardWith;

class ReplayPlaybackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    log.fill(kEndOfMoves);
    state->restartForReplay(stage, log);
  }

  void logMoves(std::initializer_list<int> moves) {
    int turn = 0;
    for (int move : moves) {
      log[turn++] = static_cast<std::int16_t>(move);
    }
    state->restartForReplay(stage, log);
  }

  const Board stage = walledBoardWith({{7, 13, c(Tile::Player)}});
  MoveLog log{};
  std::unique_ptr<Play> state = std::make_unique<Play>();
};

TEST_F(ReplayPlaybackTest, PlaysUpToTheEndMark) {
  logMoves({2, 2, 0});
  const PlaybackOutcome outcome = playWholeMoveLog(*state);
  EXPECT_EQ(outcome.movesPlayed, 3);
  EXPECT_EQ(outcome.turnLimitMessages, 0);
  EXPECT_EQ(state->currentTurn(), 3);
  EXPECT_EQ(state->lastTurn(), 3);
  EXPECT_EQ(state->currentBoard(), walledBoardWith({{8, 13, c(Tile::Player)}}));
  EXPECT_EQ(state->heldButton(), 0);
}

TEST_F(ReplayPlaybackTest, EndMarkFirstPlaysNothing) {
  const PlaybackOutcome outcome = playWholeMoveLog(*state);
  EXPECT_EQ(outcome.movesPlayed, 0);
  EXPECT_EQ(state->lastTurn(), 0);
}

TEST_F(ReplayPlaybackTest, DigitsBeyondTheDirectionsAreMovesThatWalkNobody) {
  logMoves({5, 8, 4});
  playWholeMoveLog(*state);
  EXPECT_EQ(state->lastTurn(), 3);
  EXPECT_EQ(state->currentBoard(), state->snapshot(0));
}

TEST_F(ReplayPlaybackTest, LogWithoutEndMarkPlaysAll501MovesIntoTurn500) {
  for (int turn = 0; turn < kSnapshotCount; ++turn) {
    log[turn] = static_cast<std::int16_t>(turn % 2 == 0 ? 0 : 2);
  }
  state->restartForReplay(stage, log);
  const PlaybackOutcome outcome = playWholeMoveLog(*state);
  EXPECT_EQ(outcome.movesPlayed, 501);
  EXPECT_EQ(outcome.turnLimitMessages, 1);
  EXPECT_EQ(state->currentTurn(), 500);
  EXPECT_EQ(state->lastTurn(), 500);
}

TEST_F(ReplayPlaybackTest, StopBeforeTheEndMarkIssuesNothingMore) {
  logMoves({2});
  LoggedMoveSequence playback;
  ASSERT_TRUE(playback.issueNextMove(*state));
  playback.requestStop();
  state->finishMove();
  EXPECT_FALSE(playback.issueNextMove(*state));
  EXPECT_EQ(state->lastTurn(), 1);
}

}  // namespace
}  // namespace vantoki
