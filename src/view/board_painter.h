// Draws tiles into the 600 × 600 board image by copying picture cells out of the strips. Nothing
// here looks at game state; the callers say what to draw where. A picture cell beyond the strips
// (the digit of a countdown above 15, a code no rule defines) is simply left out, so any 16-bit
// code draws safely.
//
// presentBoard only marks the image as complete and tells whoever shows it; the window shows it
// once per batch of drawing.
#pragma once

#include <functional>
#include <utility>

#include "core/board.h"
#include "view/image24.h"
#include "view/picture_strips.h"

namespace vantoki {

constexpr int kBoardPixels = kBoardSize * kCellPixels;

class BoardPainter {
 public:
  // `presented` runs at the end of every batch of drawing.
  BoardPainter(const PictureStrips& strips, Image24& boardImage,
               std::function<void()> presented = {})
      : strips_(strips), image_(boardImage), presented_(std::move(presented)) {}

  // Paints the mask cell, then ands the picture cell, at a pixel position.
  void drawMasked(int px, int py, int pictureCell);
  // A plain copy of a sprite strip cell into board cell (x, y).
  void copyPicture(int x, int y, int pictureCell);
  // The ground under a moving piece: ladder for Ladder and PlayerOnLadder, floor for the rest.
  void drawCellBackground(int x, int y, TileCode value);
  // The arrow of an arrow block code, then its countdown digit shifted dx pixels to the right.
  void drawArrowBlock(int x, int y, TileCode value, int dx);
  // Floor, then the small (frame 0) or large (frame 1) burst.
  void drawExplosion(int x, int y, int frame);
  // A picture cell masked onto the floor of board cell (x, y): a piece standing on the ground.
  void drawPieceOnFloor(int x, int y, int pictureCell);
  void drawPlayerOnLadder(int x, int y);
  // One cell of a board in play: PlayerOnLadder on the ladder, arrow blocks and every other
  // code on the floor.
  void drawCell(int x, int y, TileCode value);
  // One cell of a stored stage, which never holds a player on a ladder: the same as drawCell
  // except that code 8 shows its own picture cell on the floor.
  void drawStageCell(int x, int y, TileCode value);

  // Every cell of a board in play, rows from the top, then presentBoard.
  void redrawBoard(const Board& board);
  // Every cell of a stored stage, rows from the top, then presentBoard.
  void drawStage(const Board& stage);

  void presentBoard() {
    ++presentCount_;
    if (presented_) {
      presented_();
    }
  }
  // How many batches have been completed; the window shows the image when this changes.
  int presentCount() const { return presentCount_; }

 private:
  const PictureStrips& strips_;
  Image24& image_;
  std::function<void()> presented_;
  int presentCount_ = 0;
};

}  // namespace vantoki
