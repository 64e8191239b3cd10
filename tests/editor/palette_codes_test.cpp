// The editor's palette: which code a position picks, what painting a code stores, and the
// pictures of the palette and of one tile, checked against sprite cells placed here by hand.
#include "editor/palette.h"

#include <gtest/gtest.h>

#include "strip_fixture.h"

namespace vantoki {
namespace {

using testing::gameStrips;

void copySpriteCell(Image24& target, int cell, int left, int top) {
  transferBlock(target, left, top, gameStrips().sprites,
                {cell * kCellPixels, 0, kCellPixels, kCellPixels}, RasterOp::Copy);
}

TEST(PaletteTest, StoredCodeKeepsPlainTilesAndGivesArrowBlocksAFreshCountdown) {
  // Empty, Wall, Ladder, Player, Bomb, Star, Ball, then the arrow blocks left, up, right, down.
  constexpr TileCode kStored[] = {0, 1, 2, 3, 4, 5, 6, 26, 46, 66, 86};
  for (int paletteCode = 0; paletteCode <= 10; ++paletteCode) {
    EXPECT_EQ(paletteStoredCode(paletteCode), kStored[paletteCode])
        << "palette code " << paletteCode;
  }
}

TEST(PaletteTest, CodeAtPicksTheRowThenTheColumnAndNothingOutside) {
  constexpr int kNothing = -1;
  struct Pick {
    double x;
    double y;
    int code;
  };
  constexpr Pick kPicks[] = {
      {0, 0, 0},
      {199, 39.9, 0},
      {0, 40, 1},
      {39.9, 40, 1},
      {40, 40, 2},
      {80, 79.9, 3},
      {120, 60, 4},
      {199, 41, 5},
      {0, 80, 6},
      {40, 80, 7},
      {100, 119, 8},
      {120, 100, 9},
      {160, 80, 10},
      {199.9, 119.9, 10},
      {250, -3, kNothing},
      {-0.5, 60, kNothing},
      {-40, 100, kNothing},
      {200, 60, kNothing},
      {500, 119, kNothing},
      {100, 120, kNothing},
  };
  for (const Pick& pick : kPicks) {
    EXPECT_EQ(paletteCodeAt(pick.x, pick.y).value_or(kNothing), pick.code)
        << "at " << pick.x << ", " << pick.y;
  }
}

TEST(PaletteTest, PictureShowsTheSpriteCellOfEachPaletteCell) {
  constexpr int kCells[kPaletteRows][kPaletteColumns] = {
      {0, 0, 0, 0, 0}, {1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}};
  Image24 expected(kPaletteWidth, kPaletteHeight);
  for (int row = 0; row < kPaletteRows; ++row) {
    for (int column = 0; column < kPaletteColumns; ++column) {
      copySpriteCell(expected, kCells[row][column], column * kCellPixels, row * kCellPixels);
    }
  }
  EXPECT_TRUE(drawPalette(gameStrips()) == expected);
}

TEST(PaletteTest, TilePictureIsTheSpriteCellOfItsCode) {
  for (int paletteCode = 0; paletteCode <= 10; ++paletteCode) {
    Image24 expected(kCellPixels, kCellPixels);
    copySpriteCell(expected, paletteCode, 0, 0);
    EXPECT_TRUE(drawPaletteTile(gameStrips(), paletteCode) == expected)
        << "palette code " << paletteCode;
  }
}

}  // namespace
}  // namespace vantoki
