// Places each painted cell in its strip. The ball and the arrow blocks take their mask from one
// silhouette here, which is what makes an arrow block cover a ball pixel for pixel.
#include "strip_assembly.h"

#include <vector>

#include "burst_painters.h"
#include "cell_raster.h"
#include "digit_painter.h"
#include "ground_painters.h"
#include "octagon_painters.h"
#include "piece_painters.h"
#include "view/picture_strip_layout.h"

namespace vantoki {
namespace {

QImage blankStrip(int cellCount) {
  QImage strip(cellCount * kCellPixels, kCellPixels, QImage::Format_RGB888);
  strip.fill(Qt::white);
  return strip;
}

void placeCell(QImage& strip, int cell, const QImage& content) {
  QPainter painter(&strip);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(cell * kCellPixels, 0, content);
}

std::vector<CellPair> spriteCells() {
  std::vector<CellPair> cells;
  cells.push_back(rasterOpaqueCell(paintFloor));
  cells.push_back(rasterOpaqueCell(paintGranite));
  cells.push_back(rasterOpaqueCell(paintLadder));
  cells.push_back(rasterSpriteCell(paintRobot, kRobotOutline));
  cells.push_back(rasterSpriteCell(paintBomb, kBombOutline));
  cells.push_back(rasterSpriteCell(paintStar, kStarOutline));

  const QImage octagon = rasterSilhouette(paintOctagonSilhouette);
  cells.push_back(rasterSpriteCell(paintBall, kBallBody, octagon));
  for (const ArrowHeading heading :
       {ArrowHeading::Left, ArrowHeading::Up, ArrowHeading::Right, ArrowHeading::Down}) {
    cells.push_back(
        rasterSpriteCell([heading](QPainter& painter) { paintArrowBlock(painter, heading); },
                         kArrowBlockBody, octagon));
  }
  for (int digit = 0; digit < kDigitPictureCount; ++digit) {
    cells.push_back(
        rasterSpriteCell([digit](QPainter& painter) { paintDigit(painter, digit); }, kDigitInk));
  }
  return cells;
}

}  // namespace

PaintedStrips paintStrips() {
  PaintedStrips strips{blankStrip(kSpriteCellCount), blankStrip(kSpriteCellCount),
                       blankStrip(kExplosionFrameCount), blankStrip(kExplosionFrameCount)};
  const std::vector<CellPair> sprites = spriteCells();
  for (int cell = 0; cell < kSpriteCellCount; ++cell) {
    placeCell(strips.sprites, cell, sprites[cell].picture);
    placeCell(strips.spriteMask, cell, sprites[cell].mask);
  }
  const CellPair bursts[] = {rasterSpriteCell(paintSmallBurst, kBurstOutline),
                             rasterSpriteCell(paintLargeBurst, kBurstOutline)};
  for (int cell = 0; cell < kExplosionFrameCount; ++cell) {
    placeCell(strips.bursts, cell, bursts[cell].picture);
    placeCell(strips.burstMask, cell, bursts[cell].mask);
  }
  return strips;
}

}  // namespace vantoki
