// Hand-set 10 × 14 pixel glyphs. A bitmap rather than a font keeps the strip independent of the
// fonts installed where the generator runs.
#include "digit_painter.h"

#include <array>
#include <string_view>

#include "view/picture_strip_layout.h"

namespace vantoki {

const QColor kDigitInk(16, 16, 16);

namespace {

constexpr int kGlyphWidth = 10;
constexpr int kGlyphHeight = 14;
constexpr int kShadowOffset = 1;
const QColor kShadow(140, 140, 140);

// Centred on the octagon's centre at (20, 20).
constexpr int kGlyphLeft = 20 - kGlyphWidth / 2;
constexpr int kGlyphTop = 20 - kGlyphHeight / 2;

using Glyph = std::array<std::string_view, kGlyphHeight>;

constexpr std::array<Glyph, kDigitPictureCount> kGlyphs = {{
    {
        "..######..",
        ".########.",
        "###....###",
        "##......##",
        "##......##",
        "##......##",
        "##......##",
        "##......##",
        "##......##",
        "##......##",
        "##......##",
        "###....###",
        ".########.",
        "..######..",
    },
    {
        "....##....",
        "...###....",
        "..####....",
        ".##.##....",
        "....##....",
        "....##....",
        "....##....",
        "....##....",
        "....##....",
        "....##....",
        "....##....",
        "....##....",
        ".########.",
        ".########.",
    },
    {
        "..######..",
        ".########.",
        "###....###",
        "##......##",
        "........##",
        ".......###",
        "......###.",
        "....####..",
        "...###....",
        "..###.....",
        ".###......",
        "###.......",
        "##########",
        "##########",
    },
    {
        "..######..",
        ".########.",
        "###....###",
        "##......##",
        "........##",
        ".......###",
        "...#####..",
        "...######.",
        ".......###",
        "........##",
        "##......##",
        "###....###",
        ".########.",
        "..######..",
    },
    {
        "......###.",
        ".....####.",
        "....#####.",
        "...###.##.",
        "..###..##.",
        ".###...##.",
        "###....##.",
        "##.....##.",
        "##########",
        "##########",
        ".......##.",
        ".......##.",
        ".......##.",
        ".......##.",
    },
    {
        "##########",
        "##########",
        "##........",
        "##........",
        "##.#####..",
        "#########.",
        "###....###",
        "........##",
        "........##",
        "........##",
        "##......##",
        "###....###",
        ".########.",
        "..######..",
    },
}};

void paintGlyph(QPainter& painter, const Glyph& glyph, int left, int top, const QColor& colour) {
  for (int row = 0; row < kGlyphHeight; ++row) {
    for (int column = 0; column < kGlyphWidth; ++column) {
      if (glyph[row][column] == '#') {
        painter.fillRect(QRect(left + column, top + row, 1, 1), colour);
      }
    }
  }
}

}  // namespace

void paintDigit(QPainter& painter, int digit) {
  painter.setRenderHint(QPainter::Antialiasing, false);
  const Glyph& glyph = kGlyphs.at(digit);
  paintGlyph(painter, glyph, kGlyphLeft + kShadowOffset, kGlyphTop + kShadowOffset, kShadow);
  paintGlyph(painter, glyph, kGlyphLeft, kGlyphTop, kDigitInk);
}

}  // namespace vantoki
