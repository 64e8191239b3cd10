#include "dialogs/stage_preview.h"

#include "view/picture_cells.h"

namespace vantoki {
namespace {

// Plain codes show the cell of their own number, so 7 to 9 borrow arrow pictures; every code
// from 10 on shows the arrow of its direction, and the codes beyond the arrow blocks run on into
// the digit cells and past the end of the strip.
int miniPictureOf(TileCode value) {
  return countsDown(value) ? arrowPictureOf(value) : value;
}

}  // namespace

Image24 drawStagePreview(const Board& stage, const Image24& miniStrip) {
  Image24 preview(kStagePreviewPixels, kStagePreviewPixels, kStagePreviewGround);
  for (int y = 0; y < kBoardSize; ++y) {
    for (int x = 0; x < kBoardSize; ++x) {
      const int picture = miniPictureOf(stage.at(x, y));
      if (picture < 0 || picture >= kSpriteCellCount) {
        continue;
      }
      transferBlock(preview, x * kMiniCellPixels, y * kMiniCellPixels, miniStrip,
                    {picture * kMiniCellPixels, 0, kMiniCellPixels, kMiniCellPixels},
                    RasterOp::And);
    }
  }
  return preview;
}

}  // namespace vantoki
