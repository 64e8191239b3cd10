// The stage editor: whether the window is in editor mode, the palette codes the left and right
// mouse buttons paint with and their pictures, and which inner cell of the stage a press or drag
// paints with what. The game writes the painted cell into its stage set and draws it; the window
// restarts the stage after each mode change.
//
// Invariants: leftTile and rightTile are palette codes 0..10; only cells 1..13 of either axis are
// ever painted.
#pragma once

#include <optional>

#include "core/board.h"
#include "view/image24.h"
#include "view/picture_strips.h"

namespace vantoki {

// A cell to paint: where, the code the stage stores, and the palette code whose picture shows it.
struct PaintedCell {
  int x = 0;
  int y = 0;
  TileCode stored = 0;
  int paletteCode = 0;
};

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

  // What a press or a drag over the board at a position in its pixels paints, with the buttons
  // held (1 left, 2 right; any other value, both included, paints nothing). Outside editor mode,
  // or outside the inner cells, nothing is painted. The cell is drawn with the palette picture on
  // the floor, without a countdown digit.
  std::optional<PaintedCell> paintAt(int buttons, double x, double y) const;

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
