// Lays the painted cells out as the game's four picture strips, in the layout of
// view/picture_strip_layout.h, as QImages in Format_RGB888 ready to be written as PNGs.
#pragma once

#include <QImage>

namespace vantoki {

struct PaintedStrips {
  QImage sprites;     // sprite strip
  QImage spriteMask;  // its mask strip
  QImage bursts;      // explosion strip
  QImage burstMask;   // its mask strip
};

PaintedStrips paintStrips();

}  // namespace vantoki
