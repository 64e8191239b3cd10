// The picture strips the program carries, compiled in as Qt resources.
#pragma once

#include <QImage>

#include "view/picture_strips.h"

namespace vantoki {

PictureStrips loadPictureStrips();
// The sprite strip with every cell shrunk to `cellPixels` square (view/strip_shrink.h), for
// pictures smaller than the board's.
Image24 loadScaledSpriteStrip(int cellPixels);
QImage loadWindowIcon();

}  // namespace vantoki
