// The editor's palette: which code a position picks, what painting a code stores, and the
// pictures of one tile and of the whole palette, read pixel by pixel.
#include "editor/palette.h"

#include <gtest/gtest.h>

#include "strip_fixture.h"

namespace vantoki {
namespace {

using testing::gameStrips;

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

// Read pixel by pixel off the strip: palette code k shows sprite cell k.
TEST(PaletteTest, EachTileShowsTheSpriteCellOfItsOwnNumber) {
  const Image24& sprites = gameStrips().sprites;
  for (int paletteCode = 0; paletteCode <= 10; ++paletteCode) {
    const Image24 tile = drawPaletteTile(gameStrips(), paletteCode);
    ASSERT_EQ(tile.width(), kCellPixels);
    for (int y = 0; y < kCellPixels; ++y) {
      for (int x = 0; x < kCellPixels; ++x) {
        ASSERT_EQ(tile.pixel(x, y), sprites.pixel(paletteCode * kCellPixels + x, y))
            << "palette code " << paletteCode << " at " << x << ", " << y;
      }
    }
  }
}

// What the player sees under the pointer is what a press there picks.
TEST(PaletteTest, EveryCellShowsTheTileAPressThereSelects) {
  const Image24 palette = drawPalette(gameStrips());
  ASSERT_EQ(palette.width(), kPaletteWidth);
  ASSERT_EQ(palette.height(), kPaletteHeight);
  for (int row = 0; row < kPaletteRows; ++row) {
    for (int column = 0; column < kPaletteColumns; ++column) {
      const int left = column * kCellPixels;
      const int top = row * kCellPixels;
      const int picked = *paletteCodeAt(left + kCellPixels / 2, top + kCellPixels / 2);
      const Image24 tile = drawPaletteTile(gameStrips(), picked);
      for (int y = 0; y < kCellPixels; ++y) {
        for (int x = 0; x < kCellPixels; ++x) {
          ASSERT_EQ(palette.pixel(left + x, top + y), tile.pixel(x, y))
              << "cell " << column << ", " << row << " at " << x << ", " << y;
        }
      }
    }
  }
}

}  // namespace
}  // namespace vantoki
