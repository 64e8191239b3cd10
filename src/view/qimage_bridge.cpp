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

std::optional<QByteArray> encodePicture(const Image24& image, PictureFormat format) {
  // Above Qt's default of 75, at which the tiles' hard edges and the countdown digits blur.
  constexpr int kJpegQuality = 90;
  QByteArray file;
  QBuffer buffer(&file);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format == PictureFormat::Png ? "PNG" : "JPEG");
  if (format == PictureFormat::Jpeg) {
    writer.setQuality(kJpegQuality);
  }
  if (!writer.write(toQImage(image))) {
    return std::nullopt;
  }
  return file;
}

}  // namespace vantoki
