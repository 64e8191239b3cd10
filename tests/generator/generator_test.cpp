// The generator's promises on short runs with fixed seeds: every stage it takes is a real,
// editable stage whose proven shortest solution is as long as asked and plays back as a clear;
// the same seed gives the same set, whatever the number of threads; and the score and the
// traits it is made of count what a solution does.
#include <gtest/gtest.h>

#include <set>

#include "board_fixture.h"
#include "generator/puzzle_score.h"
#include "generator/room_templates.h"
#include "generator/stage_cells.h"
#include "generator/stage_mutation.h"
#include "generator/stage_set_generation.h"
#include "io/replay_file.h"
#include "replay/replay_verification.h"
#include "solver/shortest_solution.h"

namespace vantoki {
namespace {

GenerationSettings shortRun(std::uint64_t seed, int threads) {
  GenerationSettings settings;
  settings.seed = seed;
  settings.stages = 2;
  settings.search.candidates = 16;
  settings.search.minTurns = 10;
  settings.search.threads = threads;
  settings.search.maxBoards = 8'000;
  return settings;
}

GeneratedSet generate(const GenerationSettings& settings) {
  return generateStageSet(settings, [](const GenerationProgress&) { return true; });
}

bool isEditorCode(TileCode value) {
  static const std::set<TileCode> kEditorCodes = {0, 1, 2, 3, 4, 5, 6, 26, 46, 66, 86};
  return kEditorCodes.contains(value);
}

void expectEditableStage(const Board& stage) {
  for (int y = 0; y < kBoardSize; ++y) {
    for (int x = 0; x < kBoardSize; ++x) {
      EXPECT_TRUE(isEditorCode(stage.at(x, y))) << x << "," << y;
      if (isBorderCell(x, y)) {
        EXPECT_EQ(stage.at(x, y), code(Tile::Wall)) << x << "," << y;
      }
    }
  }
  EXPECT_GE(countTiles(stage, Tile::Player), 1);
  EXPECT_GE(countTiles(stage, Tile::Star), 1);
  EXPECT_GE(countTiles(stage, Tile::Bomb), 1);
}

TEST(GeneratorTest, EveryStageIsEditableLongEnoughAndItsSolutionClearsIt) {
  const GenerationSettings settings = shortRun(5, 2);
  const GeneratedSet generated = generate(settings);
  ASSERT_EQ(generated.stages.size(), 2u);
  EXPECT_EQ(generated.candidatesTried, 2 * 16);
  EXPECT_FALSE(generated.stopped);
  EXPECT_EQ(generated.stageSet.dataSetName, "生成ステージ（種 5）");
  int previousTurns = 0;
  for (std::size_t place = 0; place < generated.stages.size(); ++place) {
    const GeneratedStage& stage = generated.stages[place];
    const Board& cells = generated.stageSet.stageCells[place];
    EXPECT_EQ(cells, stage.found.stage);
    EXPECT_EQ(generated.stageSet.stageNames[place], stage.name);
    expectEditableStage(cells);
    const std::vector<int>& solution = stage.found.evaluation.analysis.solution;
    const int turns = static_cast<int>(solution.size());
    EXPECT_GE(turns, settings.search.minTurns);
    EXPECT_GE(turns, previousTurns);
    previousTurns = turns;
    // Proven shortest: the solver finds no shorter line.
    EXPECT_EQ(findShortestSolution(cells, SearchLimits{}).moves.size(), solution.size());
    const ReplayVerdict verdict = verifyReplay(
        generated.stageSet,
        {generated.stageSet.dataSetName, stage.name, encodeMoveRecord(moveLogOf(solution), turns)});
    EXPECT_TRUE(verdict.cleared) << verdict.failure;
    EXPECT_EQ(verdict.stage, static_cast<int>(place));
    EXPECT_EQ(verdict.turns, turns);
  }
  // The places left hold the stages of a new set.
  for (int place = 2; place < kStageCount; ++place) {
    EXPECT_EQ(generated.stageSet.stageCells[place], initialStageSet().stageCells[place]);
  }
}

TEST(GeneratorTest, TheSameSeedGivesTheSameSetOnOneOrTwoThreads) {
  const GeneratedSet once = generate(shortRun(11, 1));
  EXPECT_EQ(generate(shortRun(11, 2)).stageSet, once.stageSet);
  EXPECT_EQ(generate(shortRun(11, 1)).stageSet, once.stageSet);
  EXPECT_NE(generate(shortRun(12, 1)).stageSet, once.stageSet);
}

TEST(GeneratorTest, AStopKeepsTheStagesFoundAndSaysItStopped) {
  int rounds = 0;
  const GeneratedSet generated =
      generateStageSet(shortRun(7, 1), [&](const GenerationProgress&) { return ++rounds < 3; });
  EXPECT_TRUE(generated.stopped);
  EXPECT_EQ(generated.candidatesTried, 24);  // three rounds of eight, the third told to stop
  EXPECT_LE(generated.stages.size(), 1u);
}

TEST(GeneratorTest, StagesShortOfTheMinimumAreLeftOut) {
  GenerationSettings settings = shortRun(7, 1);
  settings.search.minTurns = kTurnLimit;
  const GeneratedSet generated = generate(settings);
  EXPECT_TRUE(generated.stages.empty());
  EXPECT_EQ(generated.stageSet.stageCells, initialStageSet().stageCells);
}

TEST(GeneratorTest, RoomsAndTheirChangesHoldOnlyEditablePiecesAtRest) {
  RandomSource random(3);
  for (int room = 0; room < 200; ++room) {
    Board stage = randomStage(random);
    for (int change = 0; change < 5; ++change) {
      stage = mutateStage(stage, random);
      expectEditableStage(stage);
      ASSERT_TRUE(holdsAllowedPieces(stage));
      Board settled = stage;
      settlePieces(settled);
      ASSERT_EQ(settled, stage) << "a piece hangs in the air";
    }
  }
}

TEST(GeneratorTest, RandomRangesStayInsideTheirBounds) {
  RandomSource random(5);
  std::set<int> seen;
  for (int draw = 0; draw < 1000; ++draw) {
    const int value = random.between(-2, 2);
    ASSERT_GE(value, -2);
    ASSERT_LE(value, 2);
    seen.insert(value);
  }
  EXPECT_EQ(seen.size(), 5u);
}

// The ledge of the stage analysis test: push, walk, push, and the bomb falls onto the star.
constexpr std::array<std::string_view, kBoardSize> kLedgeOverPits = {
    "###############", "###############", "###############", "###############", "###############",
    "###############", "###############", "###############", "###############", "###############",
    "###############", "###############", "#...BP.########", "##*###.########", "###############",
};

TEST(PuzzleScoreTest, TraitsCountWhatEachMoveDoes) {
  const SolutionTraits traits =
      solutionTraits(testing::boardFromRows(kLedgeOverPits), {0, 0, 0, 0});
  EXPECT_EQ(traits.turns, 4);
  EXPECT_EQ(traits.bombPushes, 2);
  EXPECT_EQ(traits.plainWalks, 1);
  EXPECT_EQ(traits.explosions, 1);
  EXPECT_EQ(traits.starPushes + traits.kicks + traits.ladderTurns + traits.arrowFlights, 0);
  EXPECT_EQ(traits.kindsUsed(), 1);
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

}  // namespace
}  // namespace vantoki
