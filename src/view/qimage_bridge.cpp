#include "view/qimage_bridge.h"

#include <QBuffer>
#include <QImageWriter>

#include <algorithm>

namespace vantoki {

Image24 toImage24(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  Image24 result(rgb.width(), rgb.height());
  for (int y = 0; y < rgb.height(); ++y) {
    std::copy_n(rgb.constScanLine(y), rgb.width() * 3, result.row(y));
  }
  return result;
}

QImage toQImage(const Image24& image) {
  QImage result(image.width(), image.height(), QImage::Format_RGB888);
  for (int y = 0; y < image.height(); ++y) {
    std::copy_n(image.row(y), image.width() * 3, result.scanLine(y));
  }
  return result;
}

std::optional<QByteArray> encodePng(const Image24& image) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "PNG");
  if (!writer.write(toQImage(image))) {
    return std::nullopt;
  }
  return png;
}

}  // namespace vantoki
