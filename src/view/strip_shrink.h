// Shrinking a picture strip for pictures smaller than the board's: every 40 × 40 cell becomes a
// `cellPixels` square, each of its pixels the average of the area of the big cell it covers,
// where a big pixel only partly under it counts by the part that is, rounded down. A cell never
// blends into its neighbours, so the shrunk strip holds the same pictures in the same order,
// cell k at x = k × cellPixels. Written without any toolkit, so the window and the page shrink
// alike.
#pragma once

#include "view/image24.h"

namespace vantoki {

// Only whole cells of the strip's first row count. A size outside 1 to 40, or a strip with no
// whole cell, gives an empty picture, from which every block transfer draws nothing.
Image24 shrinkStripCells(const Image24& strip, int cellPixels);

}  // namespace vantoki
