// The editor's tile palette: eleven palette codes laid out as 5 × 3 cells of 40 pixels, the
// first row all Empty. A palette code shows the sprite strip cell of the same number; codes 7 to
// 10 stand for the four arrow blocks, stored with a fresh countdown.
#pragma once

#include <optional>

#include "core/tile.h"
#include "view/image24.h"
#include "view/picture_strips.h"

namespace vantoki {

constexpr int kPaletteColumns = 5;
constexpr int kPaletteRows = 3;
constexpr int kPaletteWidth = kPaletteColumns * kCellPixels;
constexpr int kPaletteHeight = kPaletteRows * kCellPixels;

// The palette code under a position of the palette picture, in pixels: row 0 is always 0. A
// position outside the picture, which a toolkit may report for a press on its edge, picks
// nothing.
std::optional<int> paletteCodeAt(double x, double y);

// The tile code that painting a palette code stores: 0..6 as they are, 7..10 as 26, 46, 66, 86.
TileCode paletteStoredCode(int paletteCode);

// The whole palette picture, 200 × 120.
Image24 drawPalette(const PictureStrips& strips);

// The 40 × 40 picture of one palette code, as the left and right tile boxes show it.
Image24 drawPaletteTile(const PictureStrips& strips, int paletteCode);

}  // namespace vantoki
