// Board keys: one key per board and one board per key, at both widths.
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
                         ::testing::Values(WidthCase{"empty", 0, KeyWidth::Narrow},
                                           WidthCase{"arrow_block", 86, KeyWidth::Narrow},
                                           WidthCase{"highest_narrow", 127, KeyWidth::Narrow},
                                           WidthCase{"lowest_wide", 128, KeyWidth::Wide},
                                           WidthCase{"byte_wrap", 256, KeyWidth::Wide},
                                           WidthCase{"negative", -1, KeyWidth::Wide},
                                           WidthCase{"lowest", -32768, KeyWidth::Wide},
                                           WidthCase{"highest", 32767, KeyWidth::Wide}),
                         [](const auto& info) { return std::string(info.param.name); });

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
    for (const KeyWidth width : {KeyWidth::Narrow, KeyWidth::Wide}) {
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
