// The edge between the board's own 24-bit pictures and Qt's QImage: strips come in as PNG
// files, the board goes out to the screen or to a PNG or JPEG file.
#pragma once

#include <QByteArray>
#include <QImage>

#include <optional>

#include "view/image24.h"

namespace vantoki {

Image24 toImage24(const QImage& image);
QImage toQImage(const Image24& image);
enum class PictureFormat { Png, Jpeg };

// The file of a picture in `format` (JPEG at a quality that keeps the cells' edges), made in
// memory; empty when Qt could not encode it.
std::optional<QByteArray> encodePicture(const Image24& image, PictureFormat format);

}  // namespace vantoki
