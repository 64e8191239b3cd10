// The four picture strips the board is drawn from, each one row of 40 × 40 picture cells:
// the sprite strip and its mask (17 cells: floor, wall, ladder, robot, bomb, star, ball, the four
// arrow blocks, the digits 0 to 5) and the two explosion frames with their mask. Where a mask is
// white its picture is opaque; where it is black the picture is white, so painting the mask and
// then and-ing the picture leaves the ground untouched there.
#pragma once

#include "view/image24.h"

namespace vantoki {

constexpr int kCellPixels = 40;
constexpr int kSpriteCellCount = 17;
constexpr int kExplosionFrameCount = 2;

// Picture cells of the sprite strip with a fixed role.
constexpr int kFloorPicture = 0;
constexpr int kLadderPicture = 2;
constexpr int kPlayerPicture = 3;
constexpr int kBallPicture = 6;
constexpr int kFirstArrowPicture = 7;
constexpr int kFirstDigitPicture = 11;

struct PictureStrips {
  Image24 chara;  // sprite strip, 680 × 40
  Image24 mask;   // its mask, 680 × 40
  Image24 bomb1;  // the explosion frames, 80 × 40: small burst, large burst
  Image24 bomb2;  // their mask
};

}  // namespace vantoki
