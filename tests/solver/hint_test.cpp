// The hint on plays whose answers are known by hand: the next move, the turns a clear still
// needs within the 500 turns, how far back a play that went wrong could still be cleared, and
// that a budget too small, or a stop, never passes for a proof.
#include "solver/hint.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stop_token>
#include <string>
#include <vector>

#include "board_fixture.h"
#include "replay/recorded_play.h"
#include "rooms.h"

namespace vantoki {

void PrintTo(const Hint& hint, std::ostream* out) {
  *out << "kind " << static_cast<int>(hint.kind) << ", direction " << hint.direction << ", "
       << hint.turnsToClear << " turns, steps back "
       << (hint.stepsBack ? std::to_string(*hint.stepsBack) : "unknown");
}

namespace {

constexpr int kLeft = 0, kRight = 2;

// The boards of turns 0 to the last of a play of these moves.
std::vector<Board> boardsOfPlay(const std::array<std::string_view, kBoardSize>& stage,
                                const std::vector<int>& moves) {
  MoveLog moveLog;
  moveLog.fill(kEndOfMoves);
  std::copy(moves.begin(), moves.end(), moveLog.begin());
  const RecordedPlay played = playMoveLog(testing::boardFromRows(stage), moveLog);
  std::vector<Board> boards;
  for (int turn = 0; turn <= played.play->lastTurn(); ++turn) {
    boards.push_back(played.play->snapshot(turn));
  }
  return boards;
}

// A play standing on one board from turn 0 to `turn`, as far into the 500 turns as a test needs.
std::vector<Board> standingUntil(int turn, const std::array<std::string_view, kBoardSize>& stage) {
  return std::vector<Board>(turn + 1, testing::boardFromRows(stage));
}

constexpr HintBudget kAmple{100'000, std::chrono::seconds(60), std::size_t{256} << 20};
constexpr HintBudget kThousandBoards{1'000, std::chrono::seconds(60), std::size_t{256} << 20};
constexpr HintBudget kNoTime{100'000, std::chrono::milliseconds(0), std::size_t{256} << 20};

Hint nextMove(int direction, int turnsToClear) {
  return {HintKind::NextMove, direction, turnsToClear, std::nullopt};
}
Hint noLongerClearable(std::optional<int> stepsBack) {
  return {HintKind::NoLongerClearable, 0, 0, stepsBack};
}
const Hint kNeverClearable{HintKind::NeverClearable, 0, 0, std::nullopt};
const Hint kOutOfBudget{HintKind::OutOfBudget, 0, 0, std::nullopt};

struct HintCase {
  std::string name;
  std::vector<Board> play;
  HintBudget budget;
  Hint expected;
};

TEST(HintTest, AnswersWhatTheBudgetLetsItProve) {
  const Board shelves = testing::boardFromRows(kShelves);
  const std::vector<HintCase> cases = {
      {"stage start", boardsOfPlay(kPit, {}), kAmple, nextMove(kRight, 4)},
      {"one move from a clear", boardsOfPlay(kPit, {kRight, kRight, kRight}), kAmple,
       nextMove(kRight, 1)},
      // Over the hole the next move drops the player whatever is pressed.
      {"over the hole", boardsOfPlay(kPit, {kLeft, kLeft}), kAmple, noLongerClearable(1)},
      {"in the hole", boardsOfPlay(kPit, {kLeft, kLeft, kLeft}), kAmple, noLongerClearable(2)},
      {"stage never clearable", boardsOfPlay(kWalledOff, {kRight, kLeft}), kAmple, kNeverClearable},
      {"clear just fits", standingUntil(kTurnLimit - 4, kPit), kAmple, nextMove(kRight, 4)},
      {"clear past the limit", standingUntil(kTurnLimit - 3, kPit), kAmple, noLongerClearable(1)},
      {"no turn left", standingUntil(kTurnLimit, kPit), kAmple, noLongerClearable(4)},
      {"too few boards", boardsOfPlay(kShelves, {}), kThousandBoards, kOutOfBudget},
      {"no time", boardsOfPlay(kPit, {}), kNoTime, kOutOfBudget},
      {"no time on a room proved in two boards", boardsOfPlay(kWalledOff, {}), kNoTime,
       kOutOfBudget},
      // Proved from the board shown, the look back meets the shelves.
      {"too few boards to look back",
       {shelves, testing::boardFromRows(kWalledOff)},
       kThousandBoards,
       noLongerClearable(std::nullopt)},
      {"no board at all", {}, kAmple, kOutOfBudget},
  };
  for (const HintCase& hintCase : cases) {
    SCOPED_TRACE(hintCase.name);
    EXPECT_EQ(findHint(hintCase.play, hintCase.budget), hintCase.expected);
  }
}

TEST(HintTest, StopRequestProvesNothing) {
  std::stop_source stop;
  stop.request_stop();
  EXPECT_EQ(findHint(boardsOfPlay(kWalledOff, {kRight}), kAmple, stop.get_token()), kOutOfBudget);
}

}  // namespace
}  // namespace vantoki
