// Antialiased painting on a transparent canvas, then a hard threshold: the game's mask draw has
// no partial coverage, so edge softness can only live inside the opaque part.
#include "cell_raster.h"

namespace vantoki {
namespace {

constexpr int kOpaqueAlpha = 128;
constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kBlack = 0xff000000;

QImage paintOnTransparent(const CellPainter& paint) {
  QImage canvas(kCellPixels, kCellPixels, QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::transparent);
  QPainter painter(&canvas);
  painter.setRenderHint(QPainter::Antialiasing);
  paint(painter);
  painter.end();
  return canvas;
}

int overBacking(int premultiplied, int alpha, int backing) {
  return premultiplied + (backing * (255 - alpha) + 127) / 255;
}

QRgb compositeOver(QRgb premultiplied, const QColor& backing) {
  const int alpha = qAlpha(premultiplied);
  return qRgb(overBacking(qRed(premultiplied), alpha, backing.red()),
              overBacking(qGreen(premultiplied), alpha, backing.green()),
              overBacking(qBlue(premultiplied), alpha, backing.blue()));
}

QImage silhouetteOf(const QImage& canvas) {
  QImage silhouette(kCellPixels, kCellPixels, QImage::Format_RGB888);
  for (int y = 0; y < kCellPixels; ++y) {
    for (int x = 0; x < kCellPixels; ++x) {
      const bool opaque = qAlpha(canvas.pixel(x, y)) >= kOpaqueAlpha;
      silhouette.setPixel(x, y, opaque ? kWhite : kBlack);
    }
  }
  return silhouette;
}

CellPair pairFrom(const QImage& canvas, const QColor& backing, const QImage& silhouette) {
  QImage picture(kCellPixels, kCellPixels, QImage::Format_RGB888);
  for (int y = 0; y < kCellPixels; ++y) {
    for (int x = 0; x < kCellPixels; ++x) {
      const bool opaque = silhouette.pixel(x, y) == kWhite;
      picture.setPixel(x, y, opaque ? compositeOver(canvas.pixel(x, y), backing) : kWhite);
    }
  }
  return {picture, silhouette};
}

}  // namespace

CellPair rasterOpaqueCell(const CellPainter& paint) {
  QImage whole(kCellPixels, kCellPixels, QImage::Format_RGB888);
  whole.fill(kWhite);
  return pairFrom(paintOnTransparent(paint), Qt::white, whole);
}

CellPair rasterSpriteCell(const CellPainter& paint, const QColor& backing) {
  const QImage canvas = paintOnTransparent(paint);
  return pairFrom(canvas, backing, silhouetteOf(canvas));
}

CellPair rasterSpriteCell(const CellPainter& paint, const QColor& backing,
                          const QImage& silhouette) {
  return pairFrom(paintOnTransparent(paint), backing, silhouette);
}

QImage rasterSilhouette(const CellPainter& paint) {
  return silhouetteOf(paintOnTransparent(paint));
}

}  // namespace vantoki
