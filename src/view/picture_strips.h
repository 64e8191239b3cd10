// The four picture strips the board is drawn from, laid out as picture_strip_layout.h says: the
// sprite strip and its mask, and the explosion frames and their mask. Where a mask is white its
// picture is opaque; where it is black the picture is white, so painting the mask and then and-ing
// the picture leaves the ground untouched there.
#pragma once

#include "view/image24.h"
#include "view/picture_strip_layout.h"

namespace vantoki {

struct PictureStrips {
  Image24 sprites;     // 680 × 40, the 17 picture cells of picture_strip_layout.h (chara.png)
  Image24 spriteMask;  // their mask (mask.png)
  Image24 bursts;      // 80 × 40, the explosion frames: small burst, large burst (bomb1.png)
  Image24 burstMask;   // their mask (bomb2.png)
};

}  // namespace vantoki
