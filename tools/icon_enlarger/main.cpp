// vantoki_icon_enlarger ARTWORK SIZE OUT.png
// Writes the square pixel artwork ARTWORK enlarged to SIZE × SIZE pixels by nearest neighbour:
// every pixel of the larger icon is the artwork's pixel under that pixel's centre, so the
// enlarged icon keeps the artwork's hard edges and colours instead of blurring them. It only
// enlarges, since shrinking would drop pixels of the artwork. Exit status: 0 on success, 1 when the
// artwork cannot be read or the icon cannot be written, 2 on a usage error.
#include <QImage>
#include <QString>

#include <charconv>
#include <cstdio>
#include <string_view>

namespace {

// Larger than any icon theme folder asks for; the check only keeps a typo from filling the disk.
constexpr int kLargestSize = 1024;

int usage() {
  std::fputs("usage: vantoki_icon_enlarger ARTWORK SIZE OUT.png\n", stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    return usage();
  }
  const std::string_view sizeText = argv[2];
  int size = 0;
  const auto [end, error] =
      std::from_chars(sizeText.data(), sizeText.data() + sizeText.size(), size);
  if (error != std::errc() || end != sizeText.data() + sizeText.size()) {
    return usage();
  }

  const QImage artwork(QString::fromLocal8Bit(argv[1]));
  if (artwork.isNull()) {
    std::fprintf(stderr, "vantoki_icon_enlarger: cannot read the picture %s\n", argv[1]);
    return 1;
  }
  if (artwork.width() != artwork.height()) {
    std::fprintf(stderr, "vantoki_icon_enlarger: %s is %d × %d pixels, not square\n", argv[1],
                 artwork.width(), artwork.height());
    return 1;
  }
  if (size < artwork.width() || size > kLargestSize) {
    std::fprintf(stderr, "vantoki_icon_enlarger: SIZE must be from %d to %d, not %s\n",
                 artwork.width(), kLargestSize, argv[2]);
    return 2;
  }

  // The toolkit's own fast scaling picks its pixels by a rounding of its own, a third of a pixel
  // off centre at some sizes; the rule here holds at every size.
  const QImage source = artwork.convertToFormat(QImage::Format_ARGB32);
  const int width = source.width();
  QImage icon(size, size, QImage::Format_ARGB32);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      // The centre x + 1/2 of an icon pixel lies at (2x + 1) · width / (2 · size) in the artwork.
      icon.setPixel(
          x, y, source.pixel((2 * x + 1) * width / (2 * size), (2 * y + 1) * width / (2 * size)));
    }
  }
  if (!icon.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
    std::fprintf(stderr, "vantoki_icon_enlarger: cannot write %s\n", argv[3]);
    return 1;
  }
  return 0;
}
