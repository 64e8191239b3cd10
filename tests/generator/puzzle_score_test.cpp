// The score of a stage and the traits it is made of, on small stages whose shortest solutions,
// boards and traits are worked out by hand: what each turn of a solution does is counted, a
// stage is taken only when its analysis is complete and a solution clears it, and doing things
// scores more than walking.
#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string_view>
#include <tuple>
#include <vector>

#include "board_fixture.h"
#include "core/text_board.h"
#include "generator/puzzle_score.h"
#include "rooms.h"

namespace vantoki {
namespace {

// A small scene in the top-left corner of a board of walls.
Board scene(std::initializer_list<std::string_view> rows) {
  return boardFromText(std::vector<std::string_view>(rows)).value();
}

auto fieldsOf(const SolutionTraits& traits) {
  return std::make_tuple(traits.turns, traits.plainWalks, traits.bombPushes, traits.starPushes,
                         traits.kicks, traits.ladderTurns, traits.arrowFlights, traits.explosions);
}

// Four steps to the bomb, then the push that blows it up with the star: the push moves nothing,
// so it is no bomb push, but it is no plain walk either.
const Board kWalkToTheBomb = scene({"#########", "#P....B*#"});
// As long, but the bomb is pushed twice, with a step after each push, before it meets the star.
const Board kPushTheBomb = scene({"#######", "#PB..*#"});

TEST(PuzzleScoreTest, TraitsCountWhatEachTurnDoes) {
  const struct {
    const char* name;
    Board stage;
    std::vector<int> moves;
    SolutionTraits expected;  // turns, plain walks, bomb and star pushes, kicks, ladder turns,
                              // arrow flights, explosions
  } cases[] = {
      {"walk to the bomb", kWalkToTheBomb, {2, 2, 2, 2, 2}, {5, 4, 0, 0, 0, 0, 0, 1}},
      {"push the bomb", kPushTheBomb, {2, 2, 2, 2, 2}, {5, 2, 2, 0, 0, 0, 0, 1}},
      {"push the bomb off the ledge",
       testing::boardFromRows(kLedgeOverPits),
       {0, 0, 0, 0},
       {4, 1, 2, 0, 0, 0, 0, 1}},
      {"push a star", scene({"######", "#P*.B#"}), {2}, {1, 0, 0, 1, 0, 0, 0, 0}},
      // The player steps from under the star, which falls at the next move: a wait, but no
      // plain one.
      {"a star falls", scene({"#####", "#.*.#", "#.P.#"}), {2, 1}, {2, 1, 0, 0, 0, 0, 0, 0}},
  };
  for (const auto& check : cases) {
    EXPECT_EQ(fieldsOf(solutionTraits(check.stage, check.moves)), fieldsOf(check.expected))
        << check.name;
  }
}

TEST(PuzzleScoreTest, AStageOfAsManyTurnsScoresMoreForItsPushes) {
  const Evaluation walk = evaluateStage(kWalkToTheBomb, {1000});
  const Evaluation push = evaluateStage(kPushTheBomb, {1000});
  ASSERT_TRUE(walk.accepted);
  ASSERT_TRUE(push.accepted);
  EXPECT_EQ(walk.analysis.solution, (std::vector<int>{2, 2, 2, 2, 2}));
  EXPECT_EQ(push.analysis.solution, walk.analysis.solution);
  EXPECT_EQ(push.traits.kindsUsed(), 1);
  EXPECT_GT(push.score, walk.score);
  EXPECT_GT(walk.score, 0);
}

TEST(PuzzleScoreTest, OnlyACompleteAnalysisWithASolutionIsTaken) {
  const Evaluation walledOff = evaluateStage(testing::boardFromRows(kWalledOff), {1000});
  EXPECT_TRUE(walledOff.analysis.complete);
  EXPECT_FALSE(walledOff.accepted);
  EXPECT_EQ(walledOff.score, 0);
  // Six boards are more than three: the analysis stops before it can prove anything.
  const Evaluation capped = evaluateStage(kPushTheBomb, {3});
  EXPECT_FALSE(capped.analysis.complete);
  EXPECT_FALSE(capped.accepted);
  EXPECT_EQ(capped.score, 0);
}

TEST(PuzzleScoreTest, ExplosionsPastTheThirdAddNothing) {
  const StageAnalysis analysis;
  SolutionTraits traits;
  traits.turns = 20;
  std::vector<std::int64_t> scores;
  for (int explosions = 0; explosions <= 4; ++explosions) {
    traits.explosions = explosions;
    scores.push_back(puzzleScore(analysis, traits));
  }
  EXPECT_LT(scores[0], scores[1]);
  EXPECT_LT(scores[1], scores[2]);
  EXPECT_LT(scores[2], scores[3]);
  EXPECT_EQ(scores[3], scores[4]);
}

TEST(PuzzleScoreTest, KicksLaddersAndArrowFlightsAreCounted) {
  // The player climbs down the ladder and kicks the ball left, which flies back 16 moves later.
  constexpr std::array<std::string_view, kBoardSize> kLadderAndBall = {
      "###############", "#.............#", "#.............#", "#.............#", "#.............#",
      "#.............#", "#.............#", "#.............#", "#.............#", "#.............#",
      "#.............#", "#.....P.......#", "#######H#######", "#....o.H......#", "###############",
  };
  // Right onto the ladder's top, into it, down it, out of it, the kick, then waiting.
  std::vector<int> moves = {2, 3, 3, 0, 0};
  SolutionTraits traits = solutionTraits(testing::boardFromRows(kLadderAndBall), moves);
  EXPECT_EQ(traits.ladderTurns, 3);
  EXPECT_EQ(traits.kicks, 1);
  EXPECT_EQ(traits.arrowFlights, 0);
  EXPECT_EQ(traits.plainWalks, 1);
  EXPECT_EQ(traits.kindsUsed(), 2);
  // The block flies at the kick's 16th move, the 15th after it; the 14 before are waits.
  moves.insert(moves.end(), 15, 1);
  traits = solutionTraits(testing::boardFromRows(kLadderAndBall), moves);
  EXPECT_EQ(traits.arrowFlights, 1);
  EXPECT_EQ(traits.plainWalks, 1 + 14);
  EXPECT_EQ(traits.kindsUsed(), 3);
}

TEST(PuzzleScoreTest, WalkingScoresLessThanPushingAndMoreBoardsScoreMore) {
  StageAnalysis analysis;
  analysis.reachableBoards = 1000;
  analysis.deadBoards = 100;
  SolutionTraits walking;
  walking.turns = 40;
  walking.plainWalks = 30;
  SolutionTraits pushing = walking;
  pushing.plainWalks = 10;
  pushing.bombPushes = 20;
  EXPECT_GT(puzzleScore(analysis, pushing), puzzleScore(analysis, walking));
  StageAnalysis larger = analysis;
  larger.reachableBoards = 4000;
  EXPECT_GT(puzzleScore(larger, walking), puzzleScore(analysis, walking));
  StageAnalysis moreTraps = analysis;
  moreTraps.deadBoards = 400;
  EXPECT_GT(puzzleScore(moreTraps, walking), puzzleScore(analysis, walking));
}

// Reachable and dead boards score by the eighths of a doubling in their count, rounded down, up
// to the most boards a search stores; an eighth is what two boards score over none, divided by 8.
TEST(PuzzleScoreTest, BoardCountsScoreByEighthsOfTheirLogarithm) {
  const auto scoreFor = [](std::size_t boards) {
    StageAnalysis analysis;
    analysis.reachableBoards = boards;
    analysis.deadBoards = boards;
    return puzzleScore(analysis, SolutionTraits{});
  };
  const std::int64_t none = scoreFor(0);
  const std::int64_t oneDoubling = scoreFor(2) - none;
  ASSERT_GT(oneDoubling, 0);
  const struct {
    std::size_t boards;
    std::int64_t eighths;  // 8 log2(boards), rounded down
  } cases[] = {
      {1, 0},
      {3, 12},  // 1.5 times 2
      {std::size_t{1} << 20, 160},
      {(std::size_t{1} << 20) + 1, 160},
      {(std::size_t{1} << 21) - 1, 167},  // just short of 21 doublings
      {std::size_t{3} << 25, 212},        // 1.5 times 2^26, past the most boards generate allows
      {(std::size_t{1} << 31) - 1, 247},
      {std::size_t{9} << 28, 249},      // 1.125 times 2^31
      {std::size_t{0xFFFF'FFFE}, 255},  // the most a search stores
  };
  for (const auto& count : cases) {
    EXPECT_EQ(8 * (scoreFor(count.boards) - none), count.eighths * oneDoubling) << count.boards;
  }
}

}  // namespace
}  // namespace vantoki
