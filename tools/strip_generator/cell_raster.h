// Turns one painted 40 × 40 piece into the picture/mask pair that the game draws by OR-ing the
// mask and then AND-ing the picture. Invariants of every pair made here: the mask holds only
// pure black and pure white, and the picture is pure white wherever the mask is black, so a
// masked draw never tints the ground around a piece.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>

#include <functional>

#include "view/picture_strip_layout.h"

namespace vantoki {

// Paints a piece in cell coordinates (0..kCellPixels on both axes) onto a transparent canvas.
using CellPainter = std::function<void(QPainter&)>;

struct CellPair {
  QImage picture;  // kCellPixels × kCellPixels, Format_RGB888
  QImage mask;     // kCellPixels × kCellPixels, Format_RGB888
};

// A piece that covers its whole cell; what the painter leaves uncovered shows as white.
CellPair rasterOpaqueCell(const CellPainter& paint);

// A piece on white. A pixel belongs to the piece when the painter covered at least half of it;
// its colour is the painting composited over `backing`, which should be the piece's outline or
// body colour so that the hard mask edge does not show a pale fringe.
CellPair rasterSpriteCell(const CellPainter& paint, const QColor& backing);

// Like rasterSpriteCell, but the opaque part is the given silhouette, so several pieces can share
// one outline pixel for pixel.
CellPair rasterSpriteCell(const CellPainter& paint, const QColor& backing,
                          const QImage& silhouette);

// The opaque part of a painting by the same half-coverage rule, white on black.
QImage rasterSilhouette(const CellPainter& paint);

}  // namespace vantoki
