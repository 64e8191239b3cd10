// The four picture strips the board is drawn from, laid out as picture_strip_layout.h says: the
// sprite strip and its mask, and the explosion frames and their mask. Where a mask is white its
// picture is opaque; where it is black the picture is white, so painting the mask and then and-ing
// the picture leaves the ground untouched there.
#pragma once

#include "view/image24.h"
#include "view/picture_strip_layout.h"

namespace vantoki {

struct PictureStrips {
  Image24 chara;  // sprite strip, 680 × 40
  Image24 mask;   // its mask, 680 × 40
  Image24 bomb1;  // the explosion frames, 80 × 40: small burst, large burst
  Image24 bomb2;  // their mask
};

}  // namespace vantoki
