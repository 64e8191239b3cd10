// Board keys: one key per board and one board per key, at every width.
#include "solver/board_key.h"

#include <gtest/gtest.h>

#include <vector>

#include "board_fixture.h"

namespace vantoki {
namespace {

using testing::c;
using testing::walledBoardWith;

std::vector<std::uint8_t> keyOf(const Board& board, KeyWidth width) {
  std::vector<std::uint8_t> key(keyBytes(width));
  EXPECT_TRUE(encodeBoardKey(board, width, key));
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

TEST(BoardKeyTest, PackedKeyRefusesWhatItCannotHold) {
  std::vector<std::uint8_t> key(keyBytes(KeyWidth::Packed));
  for (const TileCode code : {TileCode{128}, TileCode{-1}}) {
    EXPECT_FALSE(encodeBoardKey(walledBoardWith({{13, 13, code}}), KeyWidth::Packed, key)) << code;
  }
  Board crowded = walledEmptyBoard();
  for (int x = 1; x <= kPackedLargeCodes + 1; ++x) {
    crowded.set(x, 13, 26);
  }
  EXPECT_FALSE(encodeBoardKey(crowded, KeyWidth::Packed, key));
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

TEST(BoardKeyTest, NarrowKeyRefusesACodeItCannotHold) {
  std::vector<std::uint8_t> key(keyBytes(KeyWidth::Narrow));
  for (const TileCode code : {TileCode{128}, TileCode{-1}, TileCode{200}}) {
    EXPECT_FALSE(encodeBoardKey(walledBoardWith({{13, 13, code}}), KeyWidth::Narrow, key)) << code;
  }
}

TEST(BoardKeyTest, KeyOfTheWrongLengthIsRefused) {
  std::vector<std::uint8_t> key(keyBytes(KeyWidth::Narrow) - 1);
  EXPECT_FALSE(encodeBoardKey(walledEmptyBoard(), KeyWidth::Narrow, key));
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

}  // namespace
}  // namespace vantoki
