// Stage analysis on rooms whose every reachable board can be counted by hand.
#include "solver/stage_analysis.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string_view>

#include "board_fixture.h"
#include "core/text_board.h"
#include "io/stage_data_file.h"
#include "rooms.h"
#include "solver/shortest_solution.h"

namespace vantoki {
namespace {

// A corridor with one bomb for two stars: the player steps right (S1) and pushes the bomb into
// the first star. That board keeps a star and has no bomb, so it can never be cleared: it counts,
// as dead, but the four places the player could walk to from it do not. Walls all round.
constexpr std::string_view kOneBombForTwoStars[] = {"#########", "#P.B*..*#"};

// Two players and eight codes 91, which a stage file may hold: an arrow code whose direction
// steps nowhere, so it counts down to 90 and back to 91 in every move. Left, the shaft: the
// player on the ball kicks it down (Down) into a block (countdown 15) and then falls onto its
// cell; 15 moves later the block flies back up, pushes the player up and lands as the ball: the
// stage again. So the shaft is in one of 16 states, the stage's (S) or the block's countdown from
// 15 to 1, and every move but Down from S advances it. Right, the other player (at A) walks left
// to B, from which Left pushes the bomb into the star; from A, Right leads onto the ledge L, from
// which any move drops the player into the pit T, for good. Boards: A and B with each of the 16
// shaft states; T with each too; L with all but the first countdown, since A reaches L by Right
// while only Down starts the countdown: 16 + 16 + 16 + 15 = 63, of which the 31 on L and in T are
// dead. w is Wall, or -3, for which the stage needs wide keys.
constexpr std::array<std::string_view, kBoardSize> kShaftAndLedge = {
    "###############", "#P#*B.P.#######", "#o#####.#######", "#.#############", "###############",
    "#iiiiiiii######", "###############", "###############", "###############", "###############",
    "###############", "###############", "###############", "###############", "##############w",
};

struct Room {
  const char* name;
  Board stage;
  std::size_t reachable;
  std::size_t dead;
  std::vector<int> solution;
};

TEST(StageAnalysisTest, CountsEveryReachableBoardAndTheDeadOnesOfRoomsCountedByHand) {
  const Room rooms[] = {
      {"ledge over pits", testing::boardFromRows(kLedgeOverPits), 8, 4, {0, 0, 0, 0}},
      // The player walks between two cells; the bomb stops at the wall before the star.
      {"walled off", testing::boardFromRows(kWalledOff), 2, 2, {}},
      {"one bomb for two stars", *boardFromText(kOneBombForTwoStars), 3, 3, {}},
      // The room a new stage starts as: no star, so the first move clears it.
      {"no stars", walledEmptyBoard(), 1, 0, {0}},
      {"odd codes", testing::boardFromRows(kShaftAndLedge, {{'i', 91}, {'w', 1}}), 63, 31, {0, 0}},
      {"odd codes and a negative one",
       testing::boardFromRows(kShaftAndLedge, {{'i', 91}, {'w', -3}}),
       63,
       31,
       {0, 0}},
  };
  for (const Room& room : rooms) {
    SCOPED_TRACE(room.name);
    const StageAnalysis analysis = analyseStage(room.stage, {1000});
    EXPECT_TRUE(analysis.complete);
    EXPECT_EQ(analysis.reachableBoards, room.reachable);
    EXPECT_EQ(analysis.deadBoards, room.dead);
    EXPECT_EQ(analysis.solution, room.solution);
  }
}

TEST(StageAnalysisTest, StopsIncompleteOncePastTheCap) {
  const StageAnalysis analysis = analyseStage(testing::boardFromRows(kLedgeOverPits), {5});
  EXPECT_FALSE(analysis.complete);
  EXPECT_TRUE(analysis.solution.empty());
  EXPECT_FALSE(analysis.outOfMemory);
  const Board shelves = testing::boardFromRows(kShelves);
  const StageAnalysis pastBoards = analyseStage(shelves, {20'000});
  EXPECT_FALSE(pastBoards.complete);
  EXPECT_FALSE(pastBoards.outOfMemory);
  const StageAnalysis pastMemory = analyseStage(shelves, {20'000, std::size_t{1} << 20});
  EXPECT_FALSE(pastMemory.complete);
  EXPECT_TRUE(pastMemory.outOfMemory);
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
