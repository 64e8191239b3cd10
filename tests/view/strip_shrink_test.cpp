// Shrinking the picture strips' cells: the area each small pixel covers, counted in parts of big
// pixels and rounded down; cells kept apart; full size; and the sizes that give nothing.
#include "view/strip_shrink.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "view/picture_strip_layout.h"

namespace vantoki {
namespace {

constexpr int kMini = 13;
// Fills the second cell of every strip below, which must show in its small cell alone.
constexpr Rgb kNeighbour = 0x123456;

struct Spot {
  int x;
  int y;
  Rgb expected;
};

struct ShrinkCase {
  const char* name;
  std::function<Rgb(int x, int y)> bigCell;
  std::vector<Spot> spots;
};

// At 13 pixels a small pixel spans 40 / 13 big ones: small pixel 6 spans big x = 18.46 to 21.54,
// half on each side of x = 20; small pixel 1 covers twelve thirteenths of big pixel 3 and small
// pixel 0 the rest of it. What is left below one level is dropped.
const std::vector<ShrinkCase>& shrinkCases() {
  static const std::vector<ShrinkCase> cases{
      {"left half black, right half white",
       [](int x, int) { return x < 20 ? Rgb{0} : Rgb{0xFFFFFF}; },
       {{0, 0, 0},
        {5, 7, 0},
        {6, 0, 0x7F7F7F},
        {6, 12, 0x7F7F7F},
        {7, 3, 0xFFFFFF},
        {12, 12, 0xFFFFFF}}},
      {"one white pixel at (3, 3) on black",
       [](int x, int y) { return x == 3 && y == 3 ? Rgb{0xFFFFFF} : Rgb{0}; },
       {{0, 0, 0}, {1, 0, 0x010101}, {0, 1, 0x010101}, {1, 1, 0x161616}, {2, 1, 0}}},
      {"channels apart: red rows, blue columns",
       [](int x, int y) { return (y < 20 ? 0xFF0000 : 0) | (x < 20 ? 0x0000FF : 0); },
       {{0, 0, 0xFF00FF}, {6, 6, 0x7F007F}, {12, 0, 0xFF0000}, {0, 12, 0x0000FF}}},
  };
  return cases;
}

TEST(StripShrinkTest, EachSmallPixelIsTheAreaItCoversAndCellsStayApart) {
  for (const ShrinkCase& shrinkCase : shrinkCases()) {
    Image24 strip(2 * kCellPixels, kCellPixels, kNeighbour);
    for (int y = 0; y < kCellPixels; ++y) {
      for (int x = 0; x < kCellPixels; ++x) {
        strip.setPixel(x, y, shrinkCase.bigCell(x, y));
      }
    }
    const Image24 mini = shrinkStripCells(strip, kMini);
    ASSERT_EQ(mini.width(), 2 * kMini) << shrinkCase.name;
    ASSERT_EQ(mini.height(), kMini) << shrinkCase.name;
    for (const Spot& spot : shrinkCase.spots) {
      EXPECT_EQ(mini.pixel(spot.x, spot.y), spot.expected)
          << shrinkCase.name << " at " << spot.x << ", " << spot.y;
    }
    for (int y = 0; y < kMini; ++y) {
      for (int x = kMini; x < 2 * kMini; ++x) {
        ASSERT_EQ(mini.pixel(x, y), kNeighbour) << shrinkCase.name << " at " << x << ", " << y;
      }
    }
  }
}

// At full size the strip comes back cut to its whole cells of the first row.
TEST(StripShrinkTest, FullSizeKeepsTheWholeCellsAndNoSizeOrCellGivesNothing) {
  Image24 strip(2 * kCellPixels + 25, kCellPixels + 3);
  for (int y = 0; y < strip.height(); ++y) {
    for (int x = 0; x < strip.width(); ++x) {
      strip.setPixel(x, y, static_cast<Rgb>(x * 0x010203 + y * 0x030201));
    }
  }
  Image24 wholeCells(2 * kCellPixels, kCellPixels);
  transferBlock(wholeCells, 0, 0, strip, {0, 0, 2 * kCellPixels, kCellPixels}, RasterOp::Copy);
  EXPECT_EQ(shrinkStripCells(strip, kCellPixels), wholeCells);
  for (const int cellPixels : {0, kCellPixels + 1}) {
    EXPECT_EQ(shrinkStripCells(strip, cellPixels), Image24()) << cellPixels;
  }
  EXPECT_EQ(shrinkStripCells(Image24(kCellPixels - 1, kCellPixels), kMini), Image24());
  EXPECT_EQ(shrinkStripCells(Image24(kCellPixels, kCellPixels - 1), kMini), Image24());
}

}  // namespace
}  // namespace vantoki
