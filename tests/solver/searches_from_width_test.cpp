// Searches started with keys too narrow for what they meet start over wider and answer as a
// search started wide enough would: the shortest solution and the stage analysis, on a room
// whose every reachable board is counted by hand.
#include "solver/searches_from_width.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "board_fixture.h"

namespace vantoki {
namespace {

// Two players and eight inert codes: i is 91, an arrow code whose direction steps nowhere, so it
// counts down to 90 and back to 91 in every move and is always listed in a packed key. With the
// ball the stage needs narrow keys, but the stage itself fits packed ones: only the block the
// ball turns into outgrows them.
//
// Left, the shaft: the player on the ball kicks it down (Down) into a block (countdown 15) and
// then falls onto its cell; 15 moves later the block flies back up, pushes the player up and
// lands as the ball: the stage again. So the shaft is in one of 16 states, the stage's (S) or
// the block's countdown from 15 to 1, and every move but Down from S advances it.
//
// Right, the other player (at A) walks left to B, from which Left pushes the bomb into the star
// and clears the stage; from A, Right leads onto the ledge L, from which any move drops the
// player into the pit T, for good.
//
// Boards: A and B with each of the 16 shaft states; T with each too; L with all but the first
// countdown, since A reaches L by Right while only Down starts the countdown: 16 + 16 + 16 + 15 =
// 63, of which the 31 on L and in T are dead. The shortest solution is Left, Left, met while
// expanding the second board stored: the stage (A, S), then Left gives (B, S), Up the stage,
// Right (L, S), Down (A, 15), the first board packed keys cannot hold.
constexpr std::array<std::string_view, kBoardSize> kShaftAndLedge = {
    "###############", "#P#*B.P.#######", "#o#####.#######", "#.#############", "###############",
    "#iiiiiiii######", "###############", "###############", "###############", "###############",
    "###############", "###############", "###############", "###############", "###############",
};

struct RestartCase {
  const char* name;
  std::map<char, int> codes;  // w: Wall, or a code outside 0 to 127 that makes the stage wide
  KeyWidth firstWidth;
  std::size_t bytesPerStoredBoard;  // of the width the search ends with
};

void PrintTo(const RestartCase& restartCase, std::ostream* out) {
  *out << restartCase.name;
}

Board stageOf(const RestartCase& restartCase) {
  std::array<std::string_view, kBoardSize> rows = kShaftAndLedge;
  rows[kBoardSize - 1] = "##############w";
  std::map<char, int> codes = restartCase.codes;
  codes['i'] = 91;
  return testing::boardFromRows(rows, codes);
}

class KeyRestartTest : public ::testing::TestWithParam<RestartCase> {};

TEST_P(KeyRestartTest, TheShortestSolutionIsFoundAsWithKeysWideEnough) {
  const SearchOutcome outcome =
      findShortestSolutionFrom(stageOf(GetParam()), SearchLimits{}, GetParam().firstWidth);
  EXPECT_EQ(outcome.result, SearchResult::Solved);
  EXPECT_EQ(outcome.moves, (std::vector<int>{0, 0}));
  EXPECT_EQ(outcome.boardsStored, 4u);
  EXPECT_EQ(outcome.boardsExpanded, 2u);
  EXPECT_EQ(outcome.turnsSearched, 1);
  EXPECT_EQ(outcome.bytesPerStoredBoard, GetParam().bytesPerStoredBoard);
}

TEST_P(KeyRestartTest, TheAnalysisCountsAsWithKeysWideEnough) {
  const StageAnalysis analysis =
      analyseStageFrom(stageOf(GetParam()), {1000}, GetParam().firstWidth);
  EXPECT_TRUE(analysis.complete);
  EXPECT_EQ(analysis.solution, (std::vector<int>{0, 0}));
  EXPECT_EQ(analysis.reachableBoards, 63u);
  EXPECT_EQ(analysis.deadBoards, 31u);
  EXPECT_EQ(analysis.boardsExpanded, 63u);
}

// Bytes per stored board: the key, two table slots of 8 bytes, and 5 bytes of the way back.
INSTANTIATE_TEST_SUITE_P(
    Widths, KeyRestartTest,
    ::testing::Values(
        RestartCase{"board_reached_outgrows_packed", {{'w', 1}}, KeyWidth::Packed, 225 + 21},
        RestartCase{"stage_outgrows_packed_and_narrow", {{'w', -3}}, KeyWidth::Packed, 450 + 21}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vantoki
