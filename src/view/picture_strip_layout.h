// Where each picture sits in the picture strips, shared by the strip generator that paints them
// and the view that draws from them, so the two cannot disagree about a cell. Every strip is one
// row of 40 × 40 cells, cell k at x = 40k. The sprite strip holds floor, granite wall, ladder,
// robot, bomb, star, ball, the arrow blocks left / up / right / down and the digits "0" to "5";
// cells 0 to 6 follow the tile codes, so a plain tile is drawn from the cell of its own code. The
// explosion strip holds a small burst, then a large one.
#pragma once

namespace vantoki {

constexpr int kCellPixels = 40;

// Picture cells of the sprite strip with a fixed role.
constexpr int kFloorPicture = 0;
constexpr int kLadderPicture = 2;
constexpr int kPlayerPicture = 3;
constexpr int kBallPicture = 6;
constexpr int kFirstArrowPicture = 7;  // in the game's direction order
constexpr int kFirstDigitPicture = 11;
constexpr int kDigitPictureCount = 6;

constexpr int kSpriteCellCount = kFirstDigitPicture + kDigitPictureCount;
constexpr int kExplosionFrameCount = 2;

}  // namespace vantoki
