// The stage editor as the window drives it: picking tiles, painting inner cells with either
// button, renaming, and the mode switch that restarts the stage, with a scripted platform.
#include <gtest/gtest.h>

#include "board_fixture.h"
#include "editor/palette.h"
#include "fake_platform.h"
#include "game/game.h"
#include "platform/mouse_buttons.h"
#include "strip_fixture.h"

namespace vantoki {
namespace {

using testing::c;
using testing::walledBoardWith;

constexpr int kRight = 2;
constexpr int kBothButtons = kLeftMouseButton | kRightMouseButton;

// The centre of board cell (x, y) in board pixels.
constexpr double centreOf(int cell) {
  return cell * kCellPixels + kCellPixels / 2.0;
}

Image24 boardCell(const Image24& board, int x, int y) {
  Image24 cell(kCellPixels, kCellPixels);
  transferBlock(cell, 0, 0, board, {x * kCellPixels, y * kCellPixels, kCellPixels, kCellPixels},
                RasterOp::Copy);
  return cell;
}

class StageEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    game.startUp();
    StageSet set = initialStageSet();
    set.stageCells[0] = walledBoardWith({{7, 13, c(Tile::Player)}, {12, 13, c(Tile::Star)}});
    game.installStageSet(set);
  }

  const Board& stage() const { return game.stageSet().stageCells[game.currentStage()]; }

  void tickUntilIdle() {
    for (int ticks = 0; ticks < 50 && game.play().moveInProgress(); ++ticks) {
      game.tick();
    }
  }

  testing::FakePlatform platform;
  Game game{testing::gameStrips(), platform};
};

TEST_F(StageEditorTest, PalettePicksTheCodeUnderThePressForEachButton) {
  struct Pick {
    int button;
    double x;
    double y;
    int left;
    int right;
  };
  // Start-up picked Wall (1) for the left button and Empty (0) for the right one.
  constexpr Pick kPicks[] = {
      {kLeftMouseButton, 170, 10, 0, 0},   {kRightMouseButton, 120, 40, 0, 4},
      {kLeftMouseButton, 199, 119, 10, 4}, {kMiddleMouseButton, 80, 80, 10, 4},
      {kBothButtons, 80, 80, 10, 4},       {kRightMouseButton, 240, 60, 10, 4},
      {kRightMouseButton, 0, 80, 10, 6},
  };
  EXPECT_EQ(game.leftTile(), 1);
  EXPECT_EQ(game.rightTile(), 0);
  for (const Pick& pick : kPicks) {
    game.pickPaletteTile(pick.button, pick.x, pick.y);
    EXPECT_EQ(game.leftTile(), pick.left) << pick.button << " at " << pick.x << ", " << pick.y;
    EXPECT_EQ(game.rightTile(), pick.right) << pick.button << " at " << pick.x << ", " << pick.y;
  }
  EXPECT_EQ(game.leftTilePicture(), drawPaletteTile(testing::gameStrips(), 10));
  EXPECT_EQ(game.rightTilePicture(), drawPaletteTile(testing::gameStrips(), 6));
}

TEST_F(StageEditorTest, PaintingNeedsEditorModeOneButtonAndAnInnerCell) {
  game.pickPaletteTile(kLeftMouseButton, 0, 80);    // Ball, 6
  game.pickPaletteTile(kRightMouseButton, 40, 80);  // left arrow block, palette 7
  const Board untouched = stage();
  game.paintStageCell(kLeftMouseButton, centreOf(3), centreOf(3));
  EXPECT_EQ(stage(), untouched) << "play mode paints nothing";

  game.toggleEditor();
  struct Paint {
    int buttons;
    double x;
    double y;
  };
  constexpr Paint kNothing[] = {
      {kLeftMouseButton, centreOf(0), centreOf(5)},
      {kLeftMouseButton, centreOf(14), centreOf(5)},
      {kLeftMouseButton, centreOf(5), centreOf(0)},
      {kRightMouseButton, centreOf(5), centreOf(14)},
      {kLeftMouseButton, -5, centreOf(5)},
      {kLeftMouseButton, centreOf(5), 601},
      {kBothButtons, centreOf(5), centreOf(5)},
      {kMiddleMouseButton, centreOf(5), centreOf(5)},
      {0, centreOf(5), centreOf(5)},
  };
  const Image24 before = game.boardImage();
  for (const Paint& paint : kNothing) {
    game.paintStageCell(paint.buttons, paint.x, paint.y);
  }
  EXPECT_EQ(stage(), untouched);
  EXPECT_TRUE(game.boardImage() == before);

  game.paintStageCell(kLeftMouseButton, 40, 40);
  game.paintStageCell(kRightMouseButton, 559.5, 559.5);
  EXPECT_EQ(stage().at(1, 1), c(Tile::Ball)) << "palette 6 stores the ball itself";
  EXPECT_EQ(stage().at(13, 13), 26) << "palette 7 stores a fresh left arrow block";
}

// Painting shows at once what the stage shows when it is drawn again: for every palette code,
// and for an arrow block, whose fresh countdown of 16 has no digit picture.
TEST_F(StageEditorTest, PaintedCellShowsWhatTheStageShowsDrawnAgain) {
  game.toggleEditor();
  const Image24 floor = boardCell(game.boardImage(), 4, 6);
  for (int paletteCode = 0; paletteCode <= 10; ++paletteCode) {
    SCOPED_TRACE(paletteCode);
    const int row = paletteCode == 0 ? 0 : paletteCode <= 5 ? 1 : 2;
    const int column = row == 0 ? 0 : row == 1 ? paletteCode - 1 : paletteCode - 6;
    game.pickPaletteTile(kLeftMouseButton, centreOf(column), centreOf(row));
    ASSERT_EQ(game.leftTile(), paletteCode);
    game.paintStageCell(kLeftMouseButton, centreOf(4), centreOf(6));
    const Image24 painted = boardCell(game.boardImage(), 4, 6);
    EXPECT_EQ(painted == floor, paletteCode == 0);
    game.selectStage(0);
    EXPECT_TRUE(boardCell(game.boardImage(), 4, 6) == painted);
  }
  EXPECT_EQ(stage().at(4, 6), 86);
}

TEST_F(StageEditorTest, ModeSwitchRestartsTheStageAsItNowStands) {
  for (int move = 0; move < 3; ++move) {
    game.pressDirection(kRight);
    tickUntilIdle();
  }
  EXPECT_EQ(game.currentTurnLabel(), "003");
  game.toggleEditor();
  EXPECT_TRUE(game.editMode());
  EXPECT_EQ(game.currentTurnLabel(), "000");
  EXPECT_EQ(game.lastTurnLabel(), "000");
  EXPECT_EQ(game.play().currentBoard(), stage());

  game.paintStageCell(kLeftMouseButton, centreOf(2), centreOf(13));
  game.toggleEditor();
  EXPECT_FALSE(game.editMode());
  EXPECT_EQ(game.play().currentBoard().at(2, 13), c(Tile::Wall));
  EXPECT_EQ(game.play().lastTurn(), 0);
}

TEST_F(StageEditorTest, ModeSwitchDuringAMoveDropsThatMove) {
  game.pressDirection(kRight);
  game.tick();
  game.toggleEditor();
  for (int ticks = 0; ticks < 10; ++ticks) {
    game.tick();
  }
  game.toggleEditor();
  for (int ticks = 0; ticks < 10; ++ticks) {
    game.tick();
  }
  EXPECT_EQ(game.play().lastTurn(), 0);
  EXPECT_EQ(game.play().currentBoard(), stage());
  EXPECT_EQ(game.currentTurnLabel(), "000");
}

TEST_F(StageEditorTest, NamesFollowTheBoxesWhole) {
  game.toggleEditor();
  game.renameStage("");
  game.renameDataSet("新しいセット");
  EXPECT_EQ(game.stageSet().stageNames[0], "");
  EXPECT_EQ(game.stageSet().dataSetName, "新しいセット");
  EXPECT_EQ(game.stageSet().stageNames[1], "STAGE 2");
}

}  // namespace
}  // namespace vantoki
