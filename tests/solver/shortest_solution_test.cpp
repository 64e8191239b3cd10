// The solver on rooms small enough to know their answers by hand: the fewest turns it finds,
// that its moves really clear the room when played back, and how limits end a search.
#include "solver/shortest_solution.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stop_token>
#include <string_view>
#include <thread>

#include "board_fixture.h"
#include "memory_filling_stage.h"
#include "memory_limited_child.h"
#include "replay/recorded_play.h"
#include "rooms.h"

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

// Eight arrow blocks in flight: seven sealed in cells of their own and one that, in the 16th move,
// pushes the bomb into the star; no player, so every direction gives the same board. The search
// stores the stage and one board per move, and Left 16 times is its first clear. A ninth block,
// or rows of balls sealed in, add pieces to every board.
constexpr std::array<std::string_view, kBoardSize> kEightBlocksInFlight = {
    "###############", "#^#>#v#^#>#v#^#", "###############", "###############", "###############",
    "###############", "###############", "###############", "###############", "###############",
    "###############", "###############", "###############", "#>B*###########", "###############",
};

struct KeyCase {
  const char* name;
  bool ninthBlock;
  int ballRows;                     // rows of seven balls from row 4 on
  std::size_t bytesPerStoredBoard;  // the key, two table slots of 8 bytes, 5 bytes of the way back
};

void PrintTo(const KeyCase& keyCase, std::ostream* out) {
  *out << keyCase.name;
}

class KeyWidthOfSearchTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyWidthOfSearchTest, PiecesAreKeyedUntilABoardKeyIsSmaller) {
  std::array<std::string_view, kBoardSize> rows = kEightBlocksInFlight;
  if (GetParam().ninthBlock) {
    rows[3] = "#v#############";
  }
  for (int row = 4; row < 4 + GetParam().ballRows; ++row) {
    rows[row] = "#o#o#o#o#o#o#o#";
  }
  const SearchOutcome outcome = findShortestSolution(boardFromRows(rows), SearchLimits{});
  EXPECT_EQ(outcome.result, SearchResult::Solved);
  EXPECT_EQ(outcome.moves, std::vector<int>(16, 0));
  EXPECT_EQ(outcome.boardsStored, 16u);
  EXPECT_EQ(outcome.bytesPerStoredBoard, GetParam().bytesPerStoredBoard);
}

// Ten pieces take two bytes each; 66 are more than a packed board key is worth, and more than
// eight balls and blocks need a narrow one.
INSTANTIATE_TEST_SUITE_P(Keys, KeyWidthOfSearchTest,
                         ::testing::Values(KeyCase{"ten_pieces", false, 0, 2 * 10 + 21},
                                           KeyCase{"eleven_pieces", true, 0, 2 * 11 + 21},
                                           KeyCase{"sixty_six_pieces_narrow", false, 8, 225 + 21}),
                         [](const auto& info) { return std::string(info.param.name); });

// A search stopped from outside ends as stopped, never as a "no solution" it did not prove: the
// walled-off room would be proved unclearable after two boards, the shelves never.
struct StopCase {
  const char* name;
  const std::array<std::string_view, kBoardSize>* rows;
  // Arms the limits' way out; the search runs while the returned thread, if any, lives.
  std::function<std::jthread(SearchLimits&, std::stop_source&)> arm;
  bool expandsBoards;
};

void PrintTo(const StopCase& stopCase, std::ostream* out) {
  *out << stopCase.name;
}

class StoppedSearchTest : public ::testing::TestWithParam<StopCase> {};

TEST_P(StoppedSearchTest, EndsAsStoppedAndProvesNothing) {
  SearchLimits limits;
  // Far more than the shelves fill before they are stopped, so only a stop that fails ends there.
  limits.maxMemoryBytes = std::size_t{128} << 20;
  std::stop_source stop;
  limits.stopToken = stop.get_token();
  const std::jthread stopper = GetParam().arm(limits, stop);
  const SearchOutcome outcome = findShortestSolution(boardFromRows(*GetParam().rows), limits);
  EXPECT_EQ(outcome.result, SearchResult::Stopped);
  EXPECT_FALSE(outcome.exhausted);
  EXPECT_TRUE(outcome.moves.empty());
  EXPECT_EQ(outcome.boardsExpanded > 0, GetParam().expandsBoards);
}

using namespace std::chrono_literals;

INSTANTIATE_TEST_SUITE_P(Limits, StoppedSearchTest,
                         ::testing::Values(StopCase{"stop_requested_before", &kWalledOff,
                                                    [](SearchLimits&, std::stop_source& stop) {
                                                      stop.request_stop();
                                                      return std::jthread();
                                                    },
                                                    false},
                                           StopCase{"deadline_passed", &kWalledOff,
                                                    [](SearchLimits& limits, std::stop_source&) {
                                                      limits.deadline =
                                                          std::chrono::steady_clock::now();
                                                      return std::jthread();
                                                    },
                                                    false},
                                           StopCase{"deadline_during_the_search", &kShelves,
                                                    [](SearchLimits& limits, std::stop_source&) {
                                                      limits.deadline =
                                                          std::chrono::steady_clock::now() + 100ms;
                                                      return std::jthread();
                                                    },
                                                    true},
                                           StopCase{"stop_from_another_thread", &kShelves,
                                                    [](SearchLimits&, std::stop_source& stop) {
                                                      return std::jthread([stop]() mutable {
                                                        std::this_thread::sleep_for(100ms);
                                                        stop.request_stop();
                                                      });
                                                    },
                                                    true}),
                         [](const auto& info) { return std::string(info.param.name); });

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

INSTANTIATE_TEST_SUITE_P(
    Limits, MemoryLimitTest,
    ::testing::Values(MemoryCase{"narrow_1_mib", {{'w', 0}}, std::size_t{1} << 20},
                      MemoryCase{"narrow_3_mib", {{'w', 0}}, std::size_t{3} << 20},
                      MemoryCase{"wide_2_mib", {{'w', 200}}, std::size_t{2} << 20}),
    [](const auto& info) { return std::string(info.param.name); });

// Memory the system refuses, under a limit the search knows nothing of, ends the search as its
// own limit does: with its statistics, and the process goes on.
TEST(MemoryLimitTest, EndsTheSearchWhenTheSystemRefusesMemory) {
  if (testing::kAddressSanitizer) {
    GTEST_SKIP() << testing::kRefusalNeedsNoSanitizer;
  }
  struct Report {
    SearchResult result;
    std::size_t boardsStored, boardsExpanded, memoryBytes;
    int turnsSearched;
  };
  constexpr std::size_t kHeadroom = std::size_t{32} << 20;
  const std::optional<Report> report = testing::reportUnderLimit<Report>(RLIMIT_AS, kHeadroom, [&] {
    const SearchOutcome outcome =
        findShortestSolution(testing::memoryFillingStage(), SearchLimits{});
    return Report{outcome.result, outcome.boardsStored, outcome.boardsExpanded, outcome.memoryBytes,
                  outcome.turnsSearched};
  });
  ASSERT_TRUE(report) << "the search did not end in the child";
  EXPECT_EQ(report->result, SearchResult::MemoryLimit);
  EXPECT_GT(report->boardsStored, 0u);
  EXPECT_GT(report->boardsExpanded, 0u);
  EXPECT_GT(report->turnsSearched, 0);
  EXPECT_LT(report->memoryBytes, kHeadroom);
  // Refused when a table or an array was to double, beside everything else: by then the search
  // held well over a quarter of the headroom.
  EXPECT_GT(report->memoryBytes, kHeadroom / 4);
}

}  // namespace
}  // namespace vantoki
