#include "view/move_drawing.h"

#include "view/picture_cells.h"

namespace vantoki {
namespace {

// Drawn only while the moving piece travels; an arrow block made in this move shows its arrow
// from the commit on.
int travellingPicture(TileCode destination, TileCode start) {
  if (destination == code(Tile::PlayerOnLadder)) {
    return kPlayerPicture;
  }
  if (destination == code(Tile::Explosion) || countsDown(destination)) {
    return travellingBallPictureOf(start);
  }
  return destination;
}

}  // namespace

void drawMoveFrame(BoardPainter& painter, const Board& before, const Board& after,
                   const MotionGrid& motion, int animStep, int frame) {
  for (int y = 0; y < kBoardSize; ++y) {
    for (int x = 0; x < kBoardSize; ++x) {
      if (motion.at(x, y) != kStill) {
        const Step step = stepOfMotion(motion.at(x, y));
        painter.drawCellBackground(x, y, before.at(x, y));
        painter.drawCellBackground(x + step.dx, y + step.dy, after.at(x + step.dx, y + step.dy));
      }
    }
  }
  const bool oddFrame = frame % 2 == 1;
  for (int y = 0; y < kBoardSize; ++y) {
    for (int x = 0; x < kBoardSize; ++x) {
      if (motion.at(x, y) != kStill) {
        const Step step = stepOfMotion(motion.at(x, y));
        const int offset = animStep * frame;
        painter.drawMasked(x * kCellPixels + offset * step.dx, y * kCellPixels + offset * step.dy,
                           travellingPicture(after.at(x + step.dx, y + step.dy), after.at(x, y)));
      }
      // A block in its first move keeps still until the commit draws it. (A board after a move
      // never holds code 10: a countdown that reaches 0 is settled within the move.)
      const TileCode value = after.at(x, y);
      if (countsDown(value) && !isInFirstMove(value)) {
        painter.drawArrowBlock(x, y, value, oddFrame ? 1 : -1);
      }
      if (value == code(Tile::Explosion)) {
        painter.drawExplosion(x, y, oddFrame ? 1 : 0);
      }
    }
  }
}

void drawCommittedCells(BoardPainter& painter, const Board& resolved, const Board& committed) {
  for (int y = 0; y < kBoardSize; ++y) {
    for (int x = 0; x < kBoardSize; ++x) {
      if (resolved.at(x, y) == code(Tile::Explosion)) {
        painter.copyPicture(x, y, kFloorPicture);
      }
      const TileCode value = committed.at(x, y);
      if (value == code(Tile::Player) || value == code(Tile::Bomb) || value == code(Tile::Star)) {
        painter.drawPieceOnFloor(x, y, value);
      } else if (value == code(Tile::PlayerOnLadder)) {
        painter.drawPlayerOnLadder(x, y);
      } else if (countsDown(value)) {
        painter.drawArrowBlock(x, y, value, 0);
      }
    }
  }
}

}  // namespace vantoki
