#include "editor/palette.h"

namespace vantoki {
namespace {

void copyCell(const PictureStrips& strips, int pictureCell, Image24& target, int x, int y) {
  transferBlock(target, x, y, strips.sprites,
                {pictureCell * kCellPixels, 0, kCellPixels, kCellPixels}, RasterOp::Copy);
}

}  // namespace

std::optional<int> paletteCodeAt(double x, double y) {
  if (!(x >= 0 && x < kPaletteWidth && y >= 0 && y < kPaletteHeight)) {
    return std::nullopt;
  }
  if (y < kCellPixels) {
    return 0;
  }
  const int column = static_cast<int>(x / kCellPixels);
  return y < 2 * kCellPixels ? column + 1 : column + 6;
}

TileCode paletteStoredCode(int paletteCode) {
  if (paletteCode <= code(Tile::Ball)) {
    return static_cast<TileCode>(paletteCode);
  }
  return newArrowBlock(paletteCode - kFirstArrowPicture);
}

Image24 drawPalette(const PictureStrips& strips) {
  Image24 palette(kPaletteWidth, kPaletteHeight);
  for (int column = 0; column < kPaletteColumns; ++column) {
    copyCell(strips, kFloorPicture, palette, column * kCellPixels, 0);
    copyCell(strips, column + 1, palette, column * kCellPixels, kCellPixels);
    copyCell(strips, column + 6, palette, column * kCellPixels, 2 * kCellPixels);
  }
  return palette;
}

Image24 drawPaletteTile(const PictureStrips& strips, int paletteCode) {
  Image24 tile(kCellPixels, kCellPixels);
  copyCell(strips, paletteCode, tile, 0, 0);
  return tile;
}

}  // namespace vantoki
