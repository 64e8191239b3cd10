// Lays the painted cells out as the game's four picture strips.
// Strip invariants: one row of 40 × 40 cells, Format_RGB888, cell k at x = 40k; sprite strip
// cells 0 to 16 in the order floor, granite, ladder, robot, bomb, star, ball, arrow blocks left /
// up / right / down, digits "0" to "5"; explosion strip cells small burst, large burst.
#pragma once

#include <QImage>

namespace vantoki {

constexpr int kSpriteCellCount = 17;
constexpr int kFirstSpriteCell = 3;  // cells before it cover their whole cell
constexpr int kBallCell = 6;
constexpr int kFirstArrowCell = 7;
constexpr int kFirstDigitCell = 11;
constexpr int kBurstCellCount = 2;

struct PictureStrips {
  QImage chara;  // sprite strip
  QImage mask;   // its mask strip
  QImage bomb1;  // explosion strip
  QImage bomb2;  // its mask strip
};

PictureStrips paintStrips();

}  // namespace vantoki
