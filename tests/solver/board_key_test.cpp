// Board keys: one key per board and one board per key, at every width, and a width from the
// stage that holds every board a play of it reaches.
#include "solver/board_key.h"

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "board_fixture.h"
#include "core/turn_commit.h"

namespace vantoki {
namespace {

using testing::c;
using testing::walledBoardWith;

std::vector<std::uint8_t> keyOf(const Board& board, KeyWidth width) {
  std::vector<std::uint8_t> key(keyBytes(width));
  encodeBoardKey(board, width, key);
  return key;
}

// A board that uses every narrow code somewhere, so a round trip touches each of them.
Board everyNarrowCode() {
  Board board;
  for (int cell = 0; cell < kCellCount; ++cell) {
    board.cells()[cell] = static_cast<TileCode>(cell % 128);
  }
  return board;
}

struct WidthCase {
  const char* name;
  TileCode code;
  KeyWidth width;
};

void PrintTo(const WidthCase& widthCase, std::ostream* out) {
  *out << widthCase.name;
}

class KeyWidthTest : public ::testing::TestWithParam<WidthCase> {};

TEST_P(KeyWidthTest, OneCellDecidesTheWidth) {
  const Board board = walledBoardWith({{2, 13, c(Tile::Player)}, {7, 7, GetParam().code}});
  EXPECT_EQ(keyWidthFor(board), GetParam().width);
}

INSTANTIATE_TEST_SUITE_P(Codes, KeyWidthTest,
                         ::testing::Values(WidthCase{"empty", 0, KeyWidth::Packed},
                                           WidthCase{"arrow_block", 86, KeyWidth::Packed},
                                           WidthCase{"highest_narrow", 127, KeyWidth::Packed},
                                           WidthCase{"lowest_wide", 128, KeyWidth::Wide},
                                           WidthCase{"byte_wrap", 256, KeyWidth::Wide},
                                           WidthCase{"negative", -1, KeyWidth::Wide},
                                           WidthCase{"lowest", -32768, KeyWidth::Wide},
                                           WidthCase{"highest", 32767, KeyWidth::Wide}),
                         [](const auto& info) { return std::string(info.param.name); });

// Every ball may fly as an arrow block, so a stage with more balls and blocks than a packed key
// lists needs narrow keys, however few of them are in flight at its start.
TEST(BoardKeyTest, BallsAndBlocksBeyondThePackedListNeedNarrowKeys) {
  Board board = walledEmptyBoard();
  for (int x = 1; x <= kPackedLargeCodes; ++x) {
    board.set(x, 13, x % 2 == 0 ? c(Tile::Ball) : 26);
  }
  EXPECT_EQ(keyWidthFor(board), KeyWidth::Packed);
  board.set(1, 12, c(Tile::Ball));
  EXPECT_EQ(keyWidthFor(board), KeyWidth::Narrow);
}

TEST(BoardKeyTest, PackedKeysRoundTripSmallAndListedCodes) {
  Board board;
  for (int cell = 0; cell < kCellCount; ++cell) {
    board.cells()[cell] = static_cast<TileCode>(cell % 15);
  }
  // The first and last cells, so the list is read from its first to its last entry.
  const TileCode listed[kPackedLargeCodes] = {15, 26, 46, 66, 86, 89, 100, 127};
  const int cells[kPackedLargeCodes] = {0, 1, 50, 111, 112, 113, 200, kCellCount - 1};
  for (int i = 0; i < kPackedLargeCodes; ++i) {
    board.cells()[cells[i]] = listed[i];
  }
  EXPECT_EQ(decodeBoardKey(keyOf(board, KeyWidth::Packed), KeyWidth::Packed), board);
}

// Two blocks that swap cells leave the same cells marked as listed: only the order of the list
// tells the boards apart.
TEST(BoardKeyTest, BlocksThatSwapCellsHaveDifferentPackedKeys) {
  const Board one = walledBoardWith({{3, 13, 26}, {9, 2, 46}});
  const Board other = walledBoardWith({{3, 13, 46}, {9, 2, 26}});
  EXPECT_NE(keyOf(one, KeyWidth::Packed), keyOf(other, KeyWidth::Packed));
}

TEST(BoardKeyTest, NarrowKeysRoundTrip) {
  const Board board = everyNarrowCode();
  EXPECT_EQ(decodeBoardKey(keyOf(board, KeyWidth::Narrow), KeyWidth::Narrow), board);
}

TEST(BoardKeyTest, WideKeysRoundTripEveryByteOfTheCode) {
  Board board = everyNarrowCode();
  const TileCode codes[] = {-32768, -256, -1, 128, 255, 256, 257, 32767};
  for (int i = 0; i < 8; ++i) {
    board.cells()[i * 28] = codes[i];
  }
  EXPECT_EQ(decodeBoardKey(keyOf(board, KeyWidth::Wide), KeyWidth::Wide), board);
}

// Boards that differ in a single cell, in the first, a middle and the last cell, and in the low
// or only the high byte of a wide code, never share a key.
TEST(BoardKeyTest, BoardsThatDifferInOneCellHaveDifferentKeys) {
  for (const int cell : {0, 112, kCellCount - 1}) {
    for (const KeyWidth width : {KeyWidth::Packed, KeyWidth::Narrow, KeyWidth::Wide}) {
      for (const auto& [first, second] :
           {std::pair<TileCode, TileCode>{0, 1}, {3, 8}, {26, 27}, {126, 127}}) {
        Board one = walledEmptyBoard();
        Board other = one;
        one.cells()[cell] = first;
        other.cells()[cell] = second;
        EXPECT_NE(keyOf(one, width), keyOf(other, width)) << cell << " " << first;
      }
    }
    Board low = walledEmptyBoard();
    Board high = low;
    low.cells()[cell] = 1;
    high.cells()[cell] = 257;
    EXPECT_NE(keyOf(low, KeyWidth::Wide), keyOf(high, KeyWidth::Wide)) << cell;
  }
}

// A shaft where the player kicks the ball down into a block that flies back up 15 moves later,
// and a row of odd codes a stage file may hold, each sealed in by walls and codes. The row always
// holds 9, which never moves, and seven codes that never count down below 30, so with the block
// in flight a packed key lists all it can: 31 and 49 count down to blocks that cannot fly up; 89
// and 90 to blocks that cannot fly down; 91, 110 and 127 point nowhere. The row of a stage
// for narrow keys also holds 10, which counts down to 9, and 14 and 15, which count down to blocks
// that cannot fly left; wide keys, a negative code and the highest. On the right the player
// walks, falls into a pit, or pushes the bomb into the star.
constexpr std::array<std::string_view, kBoardSize> kShaftBesideOddCodes = {
    "###############", "#P#*B.P.#######", "#o#####.#######", "#.#############", "###############",
    "###############", "###############", "###############", "###############", "###############",
    "###############", "###############", "###############", "###############", "###############",
};
constexpr int kOddRow = 5;

struct ReachCase {
  const char* name;
  std::string_view oddRow;
  KeyWidth width;
};

void PrintTo(const ReachCase& reachCase, std::ostream* out) {
  *out << reachCase.name;
}

class ReachedBoardsWidthTest : public ::testing::TestWithParam<ReachCase> {};

// Every board reached from the stage, by every line of moves, needs no wider keys than the stage
// and keeps its key at the stage's width.
TEST_P(ReachedBoardsWidthTest, EveryBoardAStageReachesFitsTheStagesWidth) {
  std::array<std::string_view, kBoardSize> rows = kShaftBesideOddCodes;
  rows[kOddRow] = GetParam().oddRow;
  const Board stage = testing::boardFromRows(rows, {{'9', 9},
                                                    {'a', 31},
                                                    {'b', 49},
                                                    {'c', 89},
                                                    {'d', 90},
                                                    {'e', 91},
                                                    {'f', 110},
                                                    {'g', 127},
                                                    {'h', 10},
                                                    {'i', 14},
                                                    {'j', 15},
                                                    {'k', -3},
                                                    {'l', 32767}});
  const KeyWidth width = keyWidthFor(stage);
  ASSERT_EQ(width, GetParam().width);
  std::set<std::array<TileCode, kCellCount>> seen = {stage.cells()};
  std::deque<Board> pending = {stage};
  bool blockInFlight = false;
  for (; !pending.empty() && seen.size() < 20'000; pending.pop_front()) {
    const Board& board = pending.front();
    // No more balls and blocks than the stage's, and no code outside theirs.
    ASSERT_LE(keyWidthFor(board), width) << ::testing::PrintToString(board);
    ASSERT_EQ(decodeBoardKey(keyOf(board, width), width), board);
    blockInFlight |= board.at(1, 3) > code(Tile::Ball);
    for (int direction = 0; direction < kDirectionCount; ++direction) {
      Board next;
      MotionGrid motion;
      commitMove(board, direction, next, motion);
      if (seen.insert(next.cells()).second) {
        pending.push_back(next);
      }
    }
  }
  EXPECT_TRUE(pending.empty()) << "more boards than the test walks";
  EXPECT_TRUE(blockInFlight);
}

INSTANTIATE_TEST_SUITE_P(Stages, ReachedBoardsWidthTest,
                         ::testing::Values(ReachCase{"packed_list_full", "#9abcdefg######",
                                                     KeyWidth::Packed},
                                           ReachCase{"narrow", "#9abcdefghij###", KeyWidth::Narrow},
                                           ReachCase{"wide", "#9abcdefghijkl#", KeyWidth::Wide}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vantoki
