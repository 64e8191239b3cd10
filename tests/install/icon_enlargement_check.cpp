// icon_enlargement_check ARTWORK ICON
// Exits 0 when ICON is ARTWORK enlarged by nearest neighbour: a square of a size no smaller than
// the artwork's, each of whose pixels is, alpha and all, the artwork's pixel under that pixel's
// centre. Otherwise names the first pixel that differs (or why the two cannot be compared) and
// exits 1.
#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: icon_enlargement_check ARTWORK ICON\n", stderr);
    return 2;
  }
  const QImage artwork =
      QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_ARGB32);
  const QImage icon =
      QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_ARGB32);
  if (artwork.isNull() || icon.isNull()) {
    std::fprintf(stderr, "cannot read %s\n", artwork.isNull() ? argv[1] : argv[2]);
    return 1;
  }
  const int size = icon.width();
  if (icon.height() != size || size < artwork.width() || artwork.height() != artwork.width()) {
    std::fprintf(stderr, "%s is %d × %d pixels, the artwork %d × %d\n", argv[2], icon.width(),
                 icon.height(), artwork.width(), artwork.height());
    return 1;
  }
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      // The centre of icon pixel x, at x + 1/2, falls into artwork pixel (x + 1/2) · width / size.
      const int artworkX = (2 * x + 1) * artwork.width() / (2 * size);
      const int artworkY = (2 * y + 1) * artwork.height() / (2 * size);
      if (icon.pixel(x, y) != artwork.pixel(artworkX, artworkY)) {
        std::fprintf(stderr, "%s: pixel (%d, %d) is #%08x, the artwork's (%d, %d) is #%08x\n",
                     argv[2], x, y, icon.pixel(x, y), artworkX, artworkY,
                     artwork.pixel(artworkX, artworkY));
        return 1;
      }
    }
  }
  return 0;
}
