// The picture strips the program carries, compiled in as Qt resources.
#pragma once

#include <QImage>

#include "view/picture_strips.h"

namespace vantoki {

PictureStrips loadPictureStrips();
QImage loadWindowIcon();

}  // namespace vantoki
