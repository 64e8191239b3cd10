// Painter of the countdown digits "0" to "5" (cells 11 to 16). A digit is drawn over an arrow
// block, and during an animation one pixel to either side, so each glyph with its shadow sits on
// the octagon's flat face at the block's centre with a margin of several pixels all round.
#pragma once

#include <QColor>
#include <QPainter>

namespace vantoki {

extern const QColor kDigitInk;

// Pixel glyphs without antialiasing: a hard-masked glyph with soft edges would show a pale fringe
// on the green block.
void paintDigit(QPainter& painter, int digit);

}  // namespace vantoki
