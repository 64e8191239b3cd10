// What the painter puts on the board, checked pixel by pixel against the strips: which picture
// cells a code shows, in which order, with which ground, and that nothing reads or writes
// outside the pictures whatever the code.
#include "view/board_painter.h"

#include <gtest/gtest.h>

#include <QImage>
#include <vector>

#include "mask_check.h"
#include "strip_fixture.h"
#include "view/qimage_bridge.h"

namespace vantoki {
namespace {

using testing::gameStrips;

constexpr Rgb kWhite = 0xFFFFFF;

Rgb pictureAt(const Image24& strip, int pictureCell, int px, int py) {
  return strip.pixel(pictureCell * kCellPixels + px, py);
}

bool opaqueAt(int pictureCell, int px, int py) {
  return pictureAt(gameStrips().spriteMask, pictureCell, px, py) == kWhite;
}

class BoardPainterTest : public ::testing::Test {
 protected:
  // The pixel (px, py) of board cell (x, y).
  Rgb cellPixel(int x, int y, int px, int py) const {
    return image.pixel(x * kCellPixels + px, y * kCellPixels + py);
  }

  // Expects board cell (x, y) to show the given picture cells layered bottom to top, the digit
  // (if any) shifted by dx, the bottom one opaque.
  void expectLayers(int x, int y, const std::vector<int>& layers, int digitPicture = -1,
                    int dx = 0) const {
    for (int py = 0; py < kCellPixels; ++py) {
      for (int px = 0; px < kCellPixels; ++px) {
        const int boardX = x * kCellPixels + px;
        if (boardX < 0 || boardX >= kBoardPixels) {
          continue;
        }
        Rgb expected = 0;
        for (const int layer : layers) {
          if (opaqueAt(layer, px, py)) {
            expected = pictureAt(gameStrips().sprites, layer, px, py);
          }
        }
        const int digitX = px - dx;
        if (digitPicture >= 0 && digitX >= 0 && digitX < kCellPixels &&
            opaqueAt(digitPicture, digitX, py)) {
          expected = pictureAt(gameStrips().sprites, digitPicture, digitX, py);
        }
        ASSERT_EQ(cellPixel(x, y, px, py), expected) << "pixel " << px << ", " << py;
      }
    }
  }

  Image24 image{kBoardPixels, kBoardPixels, 0x123456};
  BoardPainter painter{gameStrips(), image};
};

TEST(PictureStripsTest, CarriedStripsKeepTheMaskRule) {
  const PictureStrips& strips = gameStrips();
  ASSERT_EQ(strips.sprites.width(), kSpriteCellCount * kCellPixels);
  ASSERT_EQ(strips.sprites.height(), kCellPixels);
  ASSERT_EQ(strips.bursts.width(), kExplosionFrameCount * kCellPixels);
  EXPECT_TRUE(
      checkMaskRule("sprites", toQImage(strips.sprites), toQImage(strips.spriteMask)).isEmpty());
  EXPECT_TRUE(
      checkMaskRule("explosions", toQImage(strips.bursts), toQImage(strips.burstMask)).isEmpty());
  EXPECT_TRUE(checkSpriteMaskLayout(toQImage(strips.spriteMask)).isEmpty());
}

struct CellCase {
  const char* name;
  TileCode value;
  std::vector<int> layers;  // picture cells, bottom first
  int digit;                // digit picture cell, or -1
};

void PrintTo(const CellCase& test, std::ostream* out) {
  *out << test.name;
}

class DrawCellTest : public BoardPainterTest, public ::testing::WithParamInterface<CellCase> {};

TEST_P(DrawCellTest, ShowsItsPictureCells) {
  const CellCase& test = GetParam();
  painter.drawCell(3, 4, code(Tile::Wall));  // whatever was there before must not show through
  painter.drawCell(3, 4, test.value);
  expectLayers(3, 4, test.layers, test.digit);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, DrawCellTest,
    ::testing::Values(CellCase{"empty", 0, {0}, -1}, CellCase{"wall", 1, {1}, -1},
                      CellCase{"ladder", 2, {2}, -1}, CellCase{"player_over_wall", 3, {0, 3}, -1},
                      CellCase{"bomb", 4, {0, 4}, -1}, CellCase{"star", 5, {0, 5}, -1},
                      CellCase{"ball", 6, {0, 6}, -1}, CellCase{"player_on_ladder", 8, {2, 3}, -1},
                      CellCase{"obstacle_shows_picture_9", 9, {0, 9}, -1},
                      CellCase{"right_arrow_countdown_15", 65, {0, 9}, 16},
                      CellCase{"right_arrow_countdown_1", 51, {0, 9}, 12},
                      CellCase{"up_arrow_countdown_3", 33, {0, 8}, 12},
                      CellCase{"down_arrow_countdown_0", 70, {0, 10}, 11},
                      // A block as the editor places it: countdown 16 has no digit picture.
                      CellCase{"fresh_left_arrow", 26, {0, 7}, -1},
                      // Codes no rule defines show the floor and whatever cell lies in the strip.
                      CellCase{"negative_code", -3, {0}, -1},
                      CellCase{"code_90_reads_digit_cells", 90, {0, 11}, 11},
                      CellCase{"largest_code", 32767, {0}, -1},
                      CellCase{"smallest_code", -32768, {0}, -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BoardPainterTest, StageCellsShowCode8AsItsOwnPicture) {
  painter.drawStageCell(5, 5, code(Tile::PlayerOnLadder));
  expectLayers(5, 5, {0, 8});
}

TEST_F(BoardPainterTest, DigitJigglesButTheArrowStays) {
  painter.copyPicture(6, 6, kFloorPicture);
  painter.drawArrowBlock(6, 6, 65, 1);
  expectLayers(6, 6, {0, 9}, 16, 1);
  painter.copyPicture(6, 6, kFloorPicture);
  painter.drawArrowBlock(6, 6, 65, -1);
  expectLayers(6, 6, {0, 9}, 16, -1);
}

TEST_F(BoardPainterTest, ShiftedDigitsAreClippedAtTheBoardEdges) {
  painter.drawCell(0, 2, 51);
  painter.drawArrowBlock(0, 2, 51, -1);
  painter.drawCell(14, 2, 51);
  painter.drawArrowBlock(14, 2, 51, 1);
  expectLayers(0, 2, {0, 9}, 12, -1);
  expectLayers(14, 2, {0, 9}, 12, 1);
}

TEST_F(BoardPainterTest, ExplosionFramesLieOnTheFloor) {
  for (int frame = 0; frame < kExplosionFrameCount; ++frame) {
    painter.drawCell(7, 7, code(Tile::Wall));
    painter.drawExplosion(7, 7, frame);
    for (int py = 0; py < kCellPixels; ++py) {
      for (int px = 0; px < kCellPixels; ++px) {
        const bool burst = pictureAt(gameStrips().burstMask, frame, px, py) == kWhite;
        ASSERT_EQ(cellPixel(7, 7, px, py), burst ? pictureAt(gameStrips().bursts, frame, px, py)
                                                 : pictureAt(gameStrips().sprites, 0, px, py));
      }
    }
  }
}

TEST_F(BoardPainterTest, RedrawCoversTheWholeBoardAndPresentsOnce) {
  Board walls;
  walls.fill(code(Tile::Wall));
  painter.redrawBoard(walls);
  EXPECT_EQ(painter.presentCount(), 1);
  for (int y = 0; y < kBoardSize; ++y) {
    for (int x = 0; x < kBoardSize; ++x) {
      expectLayers(x, y, {1});
    }
  }
  painter.redrawBoard(Board{});
  for (int y = 0; y < kBoardSize; ++y) {
    for (int x = 0; x < kBoardSize; ++x) {
      expectLayers(x, y, {0});
    }
  }
}

TEST_F(BoardPainterTest, BlocksOffTheImageAreClippedAway) {
  const Image24 before = image;
  painter.drawMasked(-kCellPixels, 0, kPlayerPicture);
  painter.drawMasked(kBoardPixels, kBoardPixels - 1, kPlayerPicture);
  painter.drawMasked(0, 0, kSpriteCellCount);
  painter.drawMasked(0, 0, -1);
  painter.drawExplosion(0, 0, 2);  // only the floor: no third frame
  Image24 floorOnly = before;
  BoardPainter(gameStrips(), floorOnly).copyPicture(0, 0, kFloorPicture);
  EXPECT_EQ(image, floorOnly);
}

// The layout, not the strips' width, says which cells are pictures: a strip with a cell more than
// the layout names (as one painted ahead of it would be) never shows that cell, though it lies
// inside the strip. Every cell of this strip draws opaque black.
TEST_F(BoardPainterTest, ACellBeyondTheLayoutStaysOutOfAWiderStrip) {
  constexpr int kWider = (kSpriteCellCount + 1) * kCellPixels;
  const PictureStrips wider{Image24(kWider, kCellPixels, 0), Image24(kWider, kCellPixels, kWhite),
                            gameStrips().bursts, gameStrips().burstMask};
  BoardPainter widerPainter(wider, image);
  widerPainter.drawMasked(0, 0, kSpriteCellCount - 1);
  widerPainter.drawMasked(kCellPixels, 0, kSpriteCellCount);
  EXPECT_EQ(cellPixel(0, 0, 20, 20), 0u) << "the layout's last cell is drawn";
  EXPECT_EQ(cellPixel(1, 0, 20, 20), 0x123456u);
}

}  // namespace
}  // namespace vantoki
