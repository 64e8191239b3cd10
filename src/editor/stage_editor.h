// The stage editor: whether the window is in editor mode, the palette codes the left and right
// mouse buttons paint with and their pictures, and painting the inner cells of a stage. Edits go
// straight into the stage they are given; the window restarts the stage after each mode change.
//
// Invariants: leftTile and rightTile are palette codes 0..10; only cells 1..13 of either axis are
// ever painted.
#pragma once

#include "core/board.h"
#include "view/board_painter.h"
#include "view/image24.h"
#include "view/picture_strips.h"

namespace vantoki {

class StageEditor {
 public:
  // Starts in play mode with no tiles picked; the window's start-up picks them.
  explicit StageEditor(const PictureStrips& strips);

  bool editMode() const { return editMode_; }
  void toggle() { editMode_ = !editMode_; }

  // A press on the palette picture: the left button (1) picks the left tile, the right button (2)
  // the right one; any other value, or a position outside the palette, picks nothing. Returns
  // whether a tile was picked.
  bool pickPaletteTile(int button, double x, double y);

  // A press or a drag over the board at a position in its pixels, with the buttons held (1 left,
  // 2 right; any other value, both included, paints nothing). Outside editor mode, or outside
  // the inner cells, nothing is painted. The painted cell is drawn with the palette picture on
  // the floor, without a countdown digit. Returns whether a cell was painted.
  bool paintStageCell(Board& stage, BoardPainter& painter, int buttons, double x, double y) const;

  int leftTile() const { return leftTile_; }
  int rightTile() const { return rightTile_; }
  const Image24& palettePicture() const { return palettePicture_; }
  const Image24& leftTilePicture() const { return leftTilePicture_; }
  const Image24& rightTilePicture() const { return rightTilePicture_; }

 private:
  const PictureStrips& strips_;
  bool editMode_ = false;
  int leftTile_ = 0;
  int rightTile_ = 0;
  Image24 palettePicture_;
  Image24 leftTilePicture_;
  Image24 rightTilePicture_;
};

}  // namespace vantoki
