// Which picture cell of the sprite strip shows a tile code. For a code that counts down (10 and
// more) the arrow cell follows its direction, the digit cell shows its countdown in steps of
// three (0 shows "0", 1 to 3 show "1", 13 to 15 show "5"). Codes no rule defines give cells
// outside the strip, which the painter leaves out.
#pragma once

#include "core/tile.h"

namespace vantoki {

int arrowPictureOf(TileCode value);
int digitPictureOf(TileCode value);

// What a piece shows while it travels into a cell that explodes or becomes an arrow block:
// the plain ball for every start cell code from 0 to 19.
int travellingBallPictureOf(TileCode startCell);

}  // namespace vantoki
