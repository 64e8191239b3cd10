// The solver on rooms small enough to know their answers by hand: the fewest turns it finds,
// that its moves really clear the room when played back, and how limits end a search.
#include "solver/shortest_solution.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string_view>

#include "board_fixture.h"
#include "replay/recorded_play.h"
#include "solver_rooms.h"

namespace vantoki {
namespace {

// Beyond the fixture's letters: r an arrow block that flies right in the first move, w an inert
// code that only a wide key holds, n a negative code.
Board boardFromRows(const std::array<std::string_view, kBoardSize>& rows) {
  return testing::boardFromRows(rows, {{'r', 51}, {'w', 200}, {'n', -3}});
}

// Five turns: walk twice, push the bomb once, step after it, push it into the star. No push can
// be saved: the bomb has two cells to go and the player must stand beside it for each.
constexpr std::array<std::string_view, kBoardSize> kWalkAndPush = {
    "###############", "#.............#", "#.............#", "#.............#", "#.............#",
    "#.............#", "#.............#", "#.............#", "#.............#", "#.............#",
    "#.............#", "#.............#", "#.............#", "#.P..B.*......#", "###############",
};

// Seventeen turns. The player, shut in on the right, can only kick the ball from under the bomb;
// the bomb drops into the ball's place, and only the block flying back in the 16th move pushes
// it over the star, onto which it falls in the 17th. The player must step aside to make room.
constexpr std::array<std::string_view, kBoardSize> kArrowFliesBack = {
    "###############", "#.............#", "#.............#", "#.............#", "#.............#",
    "#.............#", "#.............#", "#.............#", "#.............#", "#.............#",
    "#...B.........#", "#...oP..#######", "#####*#########", "###############", "###############",
};

// A wall between the bomb and the star, and no way over it: nothing clears this room.
constexpr std::array<std::string_view, kBoardSize> kWalledOff = {
    "###############", "#.............#", "#.............#", "#.............#", "#.............#",
    "#.............#", "#.............#", "#.............#", "#.............#", "#.............#",
    "#.............#", "#.............#", "#.............#", "#.PB#*........#", "###############",
};

// Two stars and one bomb, cleared in two turns: the bomb bursts with the star under it, and in
// the same move a block pushes it off that star onto the next, where it bursts again.
constexpr std::array<std::string_view, kBoardSize> kOneBombTwoStars = {
    "###############", "#.............#", "#.............#", "#.............#", "#.............#",
    "#.............#", "#.............#", "#.............#", "#.............#", "#.............#",
    "#.............#", "#.............#", "#...rB........#", "#....**.......#", "###############",
};

// A star and no bomb: no line of moves can clear it, and no board after the first needs keeping.
constexpr std::array<std::string_view, kBoardSize> kStarWithoutBomb = {
    "###############", "#.............#", "#.............#", "#.............#", "#.............#",
    "#.............#", "#.............#", "#.............#", "#.............#", "#.............#",
    "#.............#", "#.............#", "#.............#", "#.P......*....#", "###############",
};

// The first move already commits a board without a star.
constexpr std::array<std::string_view, kBoardSize> kNoStar = {
    "###############", "#.............#", "#.............#", "#.............#", "#.............#",
    "#.............#", "#.............#", "#.............#", "#.............#", "#.............#",
    "#.............#", "#.............#", "#.............#", "#.P...........#", "###############",
};

// kWalkAndPush with codes outside 0 to 127, so the search runs on wide keys.
constexpr std::array<std::string_view, kBoardSize> kWalkAndPushWide = {
    "###############", "#w............#", "#.............#", "#.............#", "#.............#",
    "#.............#", "#.............#", "#.............#", "#.............#", "#.............#",
    "#.............#", "#.............#", "#............n#", "#.P..B.*......#", "###############",
};

// Plays the moves from the stage as every replay is played.
std::unique_ptr<Play> playedBack(const Board& stage, const std::vector<int>& moves) {
  MoveLog moveLog;
  moveLog.fill(kEndOfMoves);
  std::copy(moves.begin(), moves.end(), moveLog.begin());
  return playMoveLog(stage, moveLog).play;
}

struct SolveCase {
  const char* name;
  const std::array<std::string_view, kBoardSize>* rows;
  SearchResult result;
  std::size_t turns;
};

void PrintTo(const SolveCase& solveCase, std::ostream* out) {
  *out << solveCase.name;
}

class ShortestSolutionTest : public ::testing::TestWithParam<SolveCase> {};

TEST_P(ShortestSolutionTest, FindsTheFewestTurnsAndTheyClear) {
  const Board stage = boardFromRows(*GetParam().rows);
  const SearchOutcome outcome = findShortestSolution(stage, SearchLimits{});
  ASSERT_EQ(outcome.result, GetParam().result);
  if (outcome.result == SearchResult::NoSolution) {
    EXPECT_TRUE(outcome.exhausted);
    EXPECT_TRUE(outcome.moves.empty());
    return;
  }
  ASSERT_EQ(outcome.moves.size(), GetParam().turns);
  const std::unique_ptr<Play> play = playedBack(stage, outcome.moves);
  EXPECT_EQ(play->lastTurn(), static_cast<int>(GetParam().turns));
  EXPECT_EQ(countTiles(play->currentBoard(), Tile::Star), 0);
  // One turn fewer of the same line must leave a star, or the search stopped late.
  if (GetParam().turns > 1) {
    const std::vector<int> shorter(outcome.moves.begin(), outcome.moves.end() - 1);
    EXPECT_GT(countTiles(playedBack(stage, shorter)->currentBoard(), Tile::Star), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rooms, ShortestSolutionTest,
    ::testing::Values(SolveCase{"walk_and_push", &kWalkAndPush, SearchResult::Solved, 5},
                      SolveCase{"arrow_flies_back", &kArrowFliesBack, SearchResult::Solved, 17},
                      SolveCase{"one_bomb_two_stars", &kOneBombTwoStars, SearchResult::Solved, 2},
                      SolveCase{"no_star", &kNoStar, SearchResult::Solved, 1},
                      SolveCase{"wide_keys", &kWalkAndPushWide, SearchResult::Solved, 5},
                      SolveCase{"walled_off", &kWalledOff, SearchResult::NoSolution, 0},
                      SolveCase{"star_without_bomb", &kStarWithoutBomb, SearchResult::NoSolution,
                                0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ShortestSolutionLimitsTest, ReachableBoardsAreExploredOnce) {
  // The player can only stand in two cells; every other press gives a board already seen.
  const SearchOutcome outcome = findShortestSolution(boardFromRows(kWalledOff), SearchLimits{});
  EXPECT_EQ(outcome.boardsStored, 2u);
  EXPECT_EQ(outcome.boardsExpanded, 2u);
}

TEST(ShortestSolutionLimitsTest, BoardsWithAStarAndNoBombAreNotKept) {
  const SearchOutcome outcome =
      findShortestSolution(boardFromRows(kStarWithoutBomb), SearchLimits{});
  EXPECT_EQ(outcome.boardsStored, 1u);
}

TEST(ShortestSolutionLimitsTest, TooFewTurnsFindNoSolutionWithoutExhaustingTheRoom) {
  const Board stage = boardFromRows(kWalkAndPush);
  const SearchOutcome tooFew = findShortestSolution(stage, SearchLimits{4, 1'000});
  EXPECT_EQ(tooFew.result, SearchResult::NoSolution);
  EXPECT_FALSE(tooFew.exhausted);
  EXPECT_EQ(tooFew.turnsSearched, 4);
  EXPECT_EQ(findShortestSolution(stage, SearchLimits{5, 1'000}).result, SearchResult::Solved);
}

TEST(ShortestSolutionLimitsTest, TooFewStatesGiveUp) {
  const SearchOutcome outcome =
      findShortestSolution(boardFromRows(kArrowFliesBack), SearchLimits{kTurnLimit, 10});
  EXPECT_EQ(outcome.result, SearchResult::StateLimit);
  EXPECT_EQ(outcome.boardsStored, 10u);
  EXPECT_TRUE(outcome.moves.empty());
}

struct MemoryCase {
  const char* name;
  std::map<char, int> codes;  // w: Empty, or a code outside 0 to 127 that makes the keys wide
  std::size_t maxMemoryBytes;
};

void PrintTo(const MemoryCase& memoryCase, std::ostream* out) {
  *out << memoryCase.name;
}

class MemoryLimitTest : public ::testing::TestWithParam<MemoryCase> {};

TEST_P(MemoryLimitTest, EndsTheSearchWithinTheLimit) {
  // A corner nothing reaches holds the code under test.
  std::array<std::string_view, kBoardSize> rows = kShelves;
  rows[kBoardSize - 1] = "##############w";
  const Board stage = testing::boardFromRows(rows, GetParam().codes);
  const std::size_t limit = GetParam().maxMemoryBytes;
  const SearchOutcome outcome =
      findShortestSolution(stage, SearchLimits{kTurnLimit, SearchLimits{}.maxStates, limit});
  EXPECT_EQ(outcome.result, SearchResult::MemoryLimit);
  EXPECT_TRUE(outcome.moves.empty());
  EXPECT_FALSE(outcome.exhausted);
  EXPECT_LE(outcome.memoryBytes, limit);
  // What did not fit is a chunk of keys and the growth of the table and the paths, less than
  // half of these limits: a search that stops much earlier miscounts.
  EXPECT_GT(outcome.memoryBytes, limit / 2);
}

INSTANTIATE_TEST_SUITE_P(Limits, MemoryLimitTest,
                         ::testing::Values(MemoryCase{"narrow_1_mib", {}, std::size_t{1} << 20},
                                           MemoryCase{"narrow_3_mib", {}, std::size_t{3} << 20},
                                           MemoryCase{
                                               "wide_2_mib", {{'w', 200}}, std::size_t{2} << 20}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vantoki
