// The small picture of a stage that the stage operations dialog shows for each target: every
// cell of the stage as a 13 × 13 cell of the mini sprite strip, and-ed onto a light ground, with
// no floor, mask or countdown digit under or over it. The mini strip holds the 17 pictures of the
// sprite strip in the same order, cell p at x = 13p. A code whose picture cell falls outside the
// strip (a negative code, a code of 210 or more) leaves its square of ground bare.
#pragma once

#include "core/board.h"
#include "layout/layout_table.h"
#include "view/image24.h"
#include "view/picture_strip_layout.h"

namespace vantoki {

constexpr int kMiniCellPixels = 13;
constexpr int kStagePreviewPixels = kBoardSize * kMiniCellPixels;

Image24 drawStagePreview(const Board& stage, const Image24& miniStrip);

}  // namespace vantoki
