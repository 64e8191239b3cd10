// The frames of a move and the cells its commit settles, drawn from made-up strips of solid
// shapes and checked against board pictures worked out here from the cells named by hand, so a
// wrong picture, ground, digit jiggle, burst or drawing order shows as a pixel that differs.
#include "view/move_drawing.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "board_fixture.h"

namespace vantoki {
namespace {

using testing::motionWith;
using testing::walledBoardWith;

constexpr int kAnimStep = 4;
// Not the colour of any strip cell, so whatever is drawn into a cell shows.
constexpr Rgb kUntouched = 0x123456;
constexpr Rgb kWhite = 0xFFFFFF;
constexpr MotionCode kUp = 2, kRight = 3, kDown = 4;
// Every made-up picture fills the left columns of its cell, fewer the later the cell, so a piece
// drawn over a ground leaves a stripe of that ground showing; its mask is white there and black
// to the right, where the picture is white, as the strips' mask rule has it.
constexpr int shapeWidth(int cell) {
  return 30 - cell;
}

constexpr Rgb spriteColour(int cell) {
  return 0x200000 + 0x000101 * static_cast<Rgb>(cell + 1);
}
constexpr Rgb burstColour(int frame) {
  return 0xA00000 + 0x000010 * static_cast<Rgb>(frame + 1);
}

Image24 madeUpStrip(int cells, Rgb (*colour)(int), bool mask) {
  Image24 strip(cells * kCellPixels, kCellPixels);
  for (int x = 0; x < strip.width(); ++x) {
    const bool inShape = x % kCellPixels < shapeWidth(x / kCellPixels);
    for (int y = 0; y < kCellPixels; ++y) {
      strip.setPixel(x, y,
                     mask ? (inShape ? kWhite : 0) : (inShape ? colour(x / kCellPixels) : kWhite));
    }
  }
  return strip;
}

const PictureStrips& madeUpStrips() {
  static const PictureStrips strips{madeUpStrip(kSpriteCellCount, spriteColour, false),
                                    madeUpStrip(kSpriteCellCount, spriteColour, true),
                                    madeUpStrip(kExplosionFrameCount, burstColour, false),
                                    madeUpStrip(kExplosionFrameCount, burstColour, true)};
  return strips;
}

// What one drawing leaves at a board pixel position: a plain copy of a sprite cell (its shape
// and the white beside it), a sprite cell through its mask, or an explosion frame through its
// mask (only the shape).
struct Draw {
  enum Kind { Copy, Masked, Burst } kind;
  int cell;
  int left;
  int top;
};

void fill(Image24& image, int left, int right, int top, Rgb colour) {
  for (int y = top; y < top + kCellPixels; ++y) {
    for (int x = left; x < right; ++x) {
      image.setPixel(x, y, colour);
    }
  }
}

Image24 expectedBoard(const std::vector<Draw>& draws) {
  Image24 image(kBoardPixels, kBoardPixels, kUntouched);
  for (const Draw& draw : draws) {
    const int shapeRight = draw.left + shapeWidth(draw.cell);
    if (draw.kind == Draw::Copy) {
      fill(image, shapeRight, draw.left + kCellPixels, draw.top, kWhite);
    }
    const Rgb colour = draw.kind == Draw::Burst ? burstColour(draw.cell) : spriteColour(draw.cell);
    fill(image, draw.left, shapeRight, draw.top, colour);
  }
  return image;
}

::testing::AssertionResult sameImage(const Image24& actual, const Image24& expected) {
  for (int y = 0; y < expected.height(); ++y) {
    for (int x = 0; x < expected.width(); ++x) {
      if (actual.pixel(x, y) != expected.pixel(x, y)) {
        return ::testing::AssertionFailure()
               << "first difference at pixel (" << x << ", " << y << ") of board cell ("
               << x / kCellPixels << ", " << y / kCellPixels << "): " << std::hex << std::showbase
               << actual.pixel(x, y) << " instead of " << expected.pixel(x, y);
      }
    }
  }
  return ::testing::AssertionSuccess();
}

struct FrameCase {
  const char* name;
  Board before;
  Board after;
  MotionGrid motion;
  int frame;
  std::vector<Draw> expected;
};

void expectFrames(const std::vector<FrameCase>& cases) {
  for (const FrameCase& frameCase : cases) {
    SCOPED_TRACE(frameCase.name);
    Image24 image(kBoardPixels, kBoardPixels, kUntouched);
    BoardPainter painter(madeUpStrips(), image);
    drawMoveFrame(painter, frameCase.before, frameCase.after, frameCase.motion, kAnimStep,
                  frameCase.frame);
    EXPECT_TRUE(sameImage(image, expectedBoard(frameCase.expected)));
  }
}

// A frame in which nothing moves and the only piece is `value` at cell (7, 7), pixel (280, 280).
FrameCase restingCell(const char* name, TileCode value, int frame, std::vector<Draw> expected) {
  const Board board = walledBoardWith({{7, 7, value}});
  return {name, board, board, MotionGrid{}, frame, std::move(expected)};
}

TEST(MoveFrameTest, TravellingPieceShowsTheRobotTheBallOrItsOwnPicture) {
  expectFrames({
      {"player stepping down off a ladder leaves the ladder behind",
       walledBoardWith({{2, 2, 8}}),
       walledBoardWith({{2, 2, 2}, {2, 3, 3}}),
       motionWith({{2, 2, kDown}}),
       3,
       {{Draw::Copy, 2, 80, 80}, {Draw::Copy, 0, 80, 120}, {Draw::Masked, 3, 80, 92}}},
      {"player climbing onto a ladder travels as the robot over the ladder",
       walledBoardWith({{6, 7, 3}, {7, 7, 2}}),
       walledBoardWith({{7, 7, 8}}),
       motionWith({{6, 7, kRight}}),
       2,
       {{Draw::Copy, 0, 240, 280}, {Draw::Copy, 2, 280, 280}, {Draw::Masked, 3, 248, 280}}},
      {"kicked ball travels as the ball into its new block, which keeps still",
       walledBoardWith({{4, 5, 3}, {5, 5, 6}}),
       walledBoardWith({{4, 5, 3}, {6, 5, 65}}),
       motionWith({{5, 5, kRight}}),
       1,
       {{Draw::Copy, 0, 200, 200}, {Draw::Copy, 0, 240, 200}, {Draw::Masked, 6, 204, 200}}},
      {"a block travels as the picture its start cell's new code 55 names, cell 8",
       walledBoardWith({{4, 5, 56}, {5, 5, 66}}),
       walledBoardWith({{5, 5, 55}, {6, 5, 65}}),
       motionWith({{4, 5, kRight}, {5, 5, kRight}}),
       2,
       {{Draw::Copy, 0, 160, 200},
        {Draw::Copy, 0, 200, 200},
        {Draw::Copy, 0, 200, 200},
        {Draw::Copy, 0, 240, 200},
        {Draw::Masked, 6, 168, 200},
        {Draw::Masked, 8, 208, 200},
        {Draw::Masked, 9, 200, 200},
        {Draw::Masked, 13, 199, 200}}},
      {"bomb moving down into a star travels as the ball, under the later burst",
       walledBoardWith({{3, 9, 4}, {3, 10, 5}}),
       walledBoardWith({{3, 10, 7}}),
       motionWith({{3, 9, kDown}}),
       1,
       {{Draw::Copy, 0, 120, 360},
        {Draw::Copy, 0, 120, 400},
        {Draw::Masked, 6, 120, 364},
        {Draw::Copy, 0, 120, 400},
        {Draw::Burst, 1, 120, 400}}},
      {"bomb moving up into a star travels as the ball, over the earlier burst",
       walledBoardWith({{3, 9, 5}, {3, 10, 4}}),
       walledBoardWith({{3, 9, 7}}),
       motionWith({{3, 10, kUp}}),
       2,
       {{Draw::Copy, 0, 120, 400},
        {Draw::Copy, 0, 120, 360},
        {Draw::Copy, 0, 120, 360},
        {Draw::Burst, 0, 120, 360},
        {Draw::Masked, 6, 120, 392}}},
  });
}

TEST(MoveFrameTest, CountdownDigitJigglesRightOnOddFramesLeftOnEvenOnesExceptInTheFirstMove) {
  expectFrames({
      restingCell("countdown 15 keeps still on an odd frame", 25, 1, {}),
      restingCell("countdown 15 keeps still on an even frame", 65, 2, {}),
      restingCell("countdown 1, odd frame", 31, 1,
                  {{Draw::Masked, 8, 280, 280}, {Draw::Masked, 12, 281, 280}}),
      restingCell("countdown 1, even frame", 31, 2,
                  {{Draw::Masked, 8, 280, 280}, {Draw::Masked, 12, 279, 280}}),
      restingCell("countdown 14", 24, 3,
                  {{Draw::Masked, 7, 280, 280}, {Draw::Masked, 16, 281, 280}}),
      restingCell("countdown 16 has no digit picture", 26, 4, {{Draw::Masked, 7, 280, 280}}),
  });
}

TEST(MoveFrameTest, ExplosionShowsTheLargeBurstOnOddFramesAndTheSmallOneOnEvenOnes) {
  expectFrames({
      restingCell("frame 1", 7, 1, {{Draw::Copy, 0, 280, 280}, {Draw::Burst, 1, 280, 280}}),
      restingCell("frame 2", 7, 2, {{Draw::Copy, 0, 280, 280}, {Draw::Burst, 0, 280, 280}}),
      restingCell("frame 3", 7, 3, {{Draw::Copy, 0, 280, 280}, {Draw::Burst, 1, 280, 280}}),
      restingCell("frame 4", 7, 4, {{Draw::Copy, 0, 280, 280}, {Draw::Burst, 0, 280, 280}}),
  });
}

TEST(CommittedCellsTest, ExplosionsTurnToFloorAndPiecesAreDrawnOnTheirGround) {
  struct CommitCase {
    const char* name;
    Board resolved;
    Board committed;
    std::vector<Draw> expected;
  };
  const Board pieces =
      walledBoardWith({{7, 7, 8}, {8, 8, 4}, {9, 9, 5}, {10, 10, 3}, {11, 11, 65}});
  const std::vector<CommitCase> cases = {
      {"an exploded cell becomes floor; ladders and balls are left alone",
       walledBoardWith({{3, 9, 7}, {12, 11, 2}, {12, 12, 6}}),
       walledBoardWith({{12, 11, 2}, {12, 12, 6}}),
       {{Draw::Copy, 0, 120, 360}}},
      {"pieces on floor or ladder, a block with its digit at rest",
       pieces,
       pieces,
       {{Draw::Copy, 2, 280, 280},
        {Draw::Masked, 3, 280, 280},
        {Draw::Copy, 0, 320, 320},
        {Draw::Masked, 4, 320, 320},
        {Draw::Copy, 0, 360, 360},
        {Draw::Masked, 5, 360, 360},
        {Draw::Copy, 0, 400, 400},
        {Draw::Masked, 3, 400, 400},
        {Draw::Masked, 9, 440, 440},
        {Draw::Masked, 16, 440, 440}}},
  };
  for (const CommitCase& commitCase : cases) {
    SCOPED_TRACE(commitCase.name);
    Image24 image(kBoardPixels, kBoardPixels, kUntouched);
    BoardPainter painter(madeUpStrips(), image);
    drawCommittedCells(painter, commitCase.resolved, commitCase.committed);
    EXPECT_TRUE(sameImage(image, expectedBoard(commitCase.expected)));
  }
}

}  // namespace
}  // namespace vantoki
