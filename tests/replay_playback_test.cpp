// Playback of a logged line of moves: where it ends, and what a stop does.
#include "io/replay_playback.h"

#include <gtest/gtest.h>

#include <memory>

#include "board_fixture.h"
#include "core/stage_selection.h"
#include "core/turn_commit.h"

namespace vantoki {
namespace {

using testing::c;
using testing::walledBoardWith;

class ReplayPlaybackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    startPlay(*state, walledBoardWith({{7, 13, c(Tile::Player)}}));
    state->moveLog.fill(kEndOfMoves);
  }

  void logMoves(std::initializer_list<int> moves) {
    int turn = 0;
    for (int move : moves) {
      state->moveLog[turn++] = static_cast<std::int16_t>(move);
    }
  }

  std::unique_ptr<PlayState> state = std::make_unique<PlayState>();
};

TEST_F(ReplayPlaybackTest, PlaysUpToTheEndMark) {
  logMoves({2, 2, 0});
  const PlaybackOutcome outcome = playWholeReplay(*state);
  EXPECT_EQ(outcome.movesPlayed, 3);
  EXPECT_EQ(outcome.turnLimitMessages, 0);
  EXPECT_EQ(state->currentTurn, 3);
  EXPECT_EQ(state->lastTurn, 3);
  EXPECT_EQ(state->currentBoard(), walledBoardWith({{8, 13, c(Tile::Player)}}));
  EXPECT_EQ(state->heldButton, 0);
}

TEST_F(ReplayPlaybackTest, EndMarkFirstPlaysNothing) {
  const PlaybackOutcome outcome = playWholeReplay(*state);
  EXPECT_EQ(outcome.movesPlayed, 0);
  EXPECT_EQ(state->lastTurn, 0);
}

TEST_F(ReplayPlaybackTest, DigitsBeyondTheDirectionsAreMovesThatWalkNobody) {
  logMoves({5, 8, 4});
  playWholeReplay(*state);
  EXPECT_EQ(state->lastTurn, 3);
  EXPECT_EQ(state->currentBoard(), state->boardHistory[0]);
}

TEST_F(ReplayPlaybackTest, LogWithoutEndMarkPlaysAll501MovesIntoTurn500) {
  for (int turn = 0; turn < kSnapshotCount; ++turn) {
    state->moveLog[turn] = static_cast<std::int16_t>(turn % 2 == 0 ? 0 : 2);
  }
  const PlaybackOutcome outcome = playWholeReplay(*state);
  EXPECT_EQ(outcome.movesPlayed, 501);
  EXPECT_EQ(outcome.turnLimitMessages, 1);
  EXPECT_EQ(state->currentTurn, 500);
  EXPECT_EQ(state->lastTurn, 500);
}

TEST_F(ReplayPlaybackTest, StopTakesEffectAfterTheNextMove) {
  logMoves({2, 2, 2, 2, 2, 2});
  ReplayPlayback playback;
  for (int move = 0; move < 3; ++move) {
    ASSERT_TRUE(playback.issueNextMove(*state));
    if (move < 2) {
      commitTurn(*state);
    }
  }
  playback.requestStop();  // while the third move animates
  commitTurn(*state);
  EXPECT_TRUE(playback.issueNextMove(*state));
  EXPECT_TRUE(playback.ended());
  commitTurn(*state);
  EXPECT_FALSE(playback.issueNextMove(*state));
  EXPECT_EQ(state->lastTurn, 4);
}

TEST_F(ReplayPlaybackTest, StopBeforeTheEndMarkIssuesNothingMore) {
  logMoves({2});
  ReplayPlayback playback;
  ASSERT_TRUE(playback.issueNextMove(*state));
  playback.requestStop();
  commitTurn(*state);
  EXPECT_FALSE(playback.issueNextMove(*state));
  EXPECT_EQ(state->lastTurn, 1);
}

}  // namespace
}  // namespace vantoki
