#include "view/board_painter.h"

#include "view/picture_cells.h"

namespace vantoki {
namespace {

bool isSpritePicture(int pictureCell) {
  return pictureCell >= 0 && pictureCell < kSpriteCellCount;
}

BlockArea pictureArea(int pictureCell) {
  return {pictureCell * kCellPixels, 0, kCellPixels, kCellPixels};
}

}  // namespace

void BoardPainter::drawMasked(int px, int py, int pictureCell) {
  if (!isSpritePicture(pictureCell)) {
    return;
  }
  transferBlock(image_, px, py, strips_.spriteMask, pictureArea(pictureCell), RasterOp::Paint);
  transferBlock(image_, px, py, strips_.sprites, pictureArea(pictureCell), RasterOp::And);
}

void BoardPainter::copyPicture(int x, int y, int pictureCell) {
  transferBlock(image_, x * kCellPixels, y * kCellPixels, strips_.sprites, pictureArea(pictureCell),
                RasterOp::Copy);
}

void BoardPainter::drawCellBackground(int x, int y, TileCode value) {
  const bool ladderGround = value == code(Tile::Ladder) || value == code(Tile::PlayerOnLadder);
  copyPicture(x, y, ladderGround ? kLadderPicture : kFloorPicture);
}

void BoardPainter::drawArrowBlock(int x, int y, TileCode value, int dx) {
  drawMasked(x * kCellPixels, y * kCellPixels, arrowPictureOf(value));
  drawMasked(x * kCellPixels + dx, y * kCellPixels, digitPictureOf(value));
}

void BoardPainter::drawExplosion(int x, int y, int frame) {
  copyPicture(x, y, kFloorPicture);
  if (frame < 0 || frame >= kExplosionFrameCount) {
    return;
  }
  const BlockArea burst = pictureArea(frame);
  transferBlock(image_, x * kCellPixels, y * kCellPixels, strips_.burstMask, burst,
                RasterOp::Paint);
  transferBlock(image_, x * kCellPixels, y * kCellPixels, strips_.bursts, burst, RasterOp::And);
}

void BoardPainter::drawPieceOnFloor(int x, int y, int pictureCell) {
  copyPicture(x, y, kFloorPicture);
  drawMasked(x * kCellPixels, y * kCellPixels, pictureCell);
}

void BoardPainter::drawPlayerOnLadder(int x, int y) {
  copyPicture(x, y, kLadderPicture);
  drawMasked(x * kCellPixels, y * kCellPixels, kPlayerPicture);
}

void BoardPainter::drawCell(int x, int y, TileCode value) {
  if (value == code(Tile::PlayerOnLadder)) {
    drawPlayerOnLadder(x, y);
    return;
  }
  drawStageCell(x, y, value);
}

void BoardPainter::drawStageCell(int x, int y, TileCode value) {
  if (countsDown(value)) {
    copyPicture(x, y, kFloorPicture);
    drawArrowBlock(x, y, value, 0);
  } else {
    drawPieceOnFloor(x, y, value);
  }
}

void BoardPainter::redrawBoard(const Board& board) {
  for (int y = 0; y < kBoardSize; ++y) {
    for (int x = 0; x < kBoardSize; ++x) {
      drawCell(x, y, board.at(x, y));
    }
  }
  presentBoard();
}

void BoardPainter::drawStage(const Board& stage) {
  for (int y = 0; y < kBoardSize; ++y) {
    for (int x = 0; x < kBoardSize; ++x) {
      drawStageCell(x, y, stage.at(x, y));
    }
  }
  presentBoard();
}

}  // namespace vantoki
