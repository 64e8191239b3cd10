// Stage analysis on rooms whose every reachable board can be counted by hand.
#include "solver/stage_analysis.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "board_fixture.h"
#include "io/stage_data_file.h"
#include "rooms.h"
#include "solver/shortest_solution.h"

namespace vantoki {
namespace {

// A ledge over two pits. The star lies in the left pit; the bomb, pushed left twice, falls onto
// it. The right pit catches the player, who cannot climb out. Boards: the stage (S0), the bomb
// pushed once (S1), the player a step after it (S2), the bomb over the star (S3), from which
// every move clears; and four traps: the player over the right pit, then in it, with the bomb
// not yet pushed or pushed once.
constexpr std::array<std::string_view, kBoardSize> kLedgeOverPits = {
    "###############", "###############", "###############", "###############", "###############",
    "###############", "###############", "###############", "###############", "###############",
    "###############", "###############", "#...BP.########", "##*###.########", "###############",
};

TEST(StageAnalysisTest, CountsReachableAndDeadBoardsOfALedgeOverPits) {
  const StageAnalysis analysis = analyseStage(testing::boardFromRows(kLedgeOverPits), {1000});
  EXPECT_TRUE(analysis.complete);
  EXPECT_EQ(analysis.reachableBoards, 8u);
  EXPECT_EQ(analysis.deadBoards, 4u);
  EXPECT_EQ(analysis.solution, (std::vector<int>{0, 0, 0, 0}));
}

TEST(StageAnalysisTest, AStageThatCannotBeClearedIsDeadThroughout) {
  // Walled off: the bomb never reaches the star, so every reachable board is a trap.
  constexpr std::array<std::string_view, kBoardSize> kWalledOff = {
      "###############", "#.............#", "#.............#", "#.............#", "#.............#",
      "#.............#", "#.............#", "#.............#", "#.............#", "#.............#",
      "#.............#", "#.............#", "#.............#", "#.PB#*........#", "###############",
  };
  const StageAnalysis analysis = analyseStage(testing::boardFromRows(kWalledOff), {1000});
  EXPECT_TRUE(analysis.complete);
  EXPECT_TRUE(analysis.solution.empty());
  EXPECT_GT(analysis.reachableBoards, 1u);
  EXPECT_EQ(analysis.deadBoards, analysis.reachableBoards);
}

// The room a new stage starts as: no star, so the first move clears it, and no bomb, which on
// a board with a star would make it dead.
TEST(StageAnalysisTest, AStageWithoutStarsClearsInOneMove) {
  const StageAnalysis analysis = analyseStage(walledEmptyBoard(), {1000});
  EXPECT_TRUE(analysis.complete);
  EXPECT_EQ(analysis.solution, (std::vector<int>{0}));
  EXPECT_EQ(analysis.reachableBoards, 1u);
  EXPECT_EQ(analysis.deadBoards, 0u);
}

TEST(StageAnalysisTest, StopsIncompleteOncePastTheCap) {
  const StageAnalysis analysis = analyseStage(testing::boardFromRows(kLedgeOverPits), {5});
  EXPECT_FALSE(analysis.complete);
  EXPECT_TRUE(analysis.solution.empty());
  EXPECT_FALSE(analyseStage(testing::boardFromRows(kShelves), {20'000}).complete);
}

// The analysis explores the same moves as the solver, so its solutions are as short, on every
// shipped stage.
TEST(StageAnalysisTest, FindsSolutionsAsShortAsTheSolversOnTheShippedStages) {
  const Result<StageSet> stages =
      readStageDataFile(std::filesystem::path(VANTOKI_STAGE_DATA_DIR) / "vantoki.vkst");
  ASSERT_TRUE(stages.ok());
  for (int stage = 0; stage < kStageCount; ++stage) {
    const Board& cells = stages.value().stageCells[stage];
    const StageAnalysis analysis = analyseStage(cells, {100'000});
    const SearchOutcome outcome = findShortestSolution(cells, SearchLimits{});
    ASSERT_EQ(outcome.result, SearchResult::Solved) << stage;
    ASSERT_TRUE(analysis.complete) << stage;
    EXPECT_EQ(analysis.solution.size(), outcome.moves.size()) << stage;
    EXPECT_LT(analysis.deadBoards, analysis.reachableBoards) << stage;
    EXPECT_GE(analysis.reachableBoards, outcome.boardsStored) << stage;
  }
}

}  // namespace
}  // namespace vantoki
