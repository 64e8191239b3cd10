#include "view/image24.h"

#include <algorithm>

namespace vantoki {

Image24::Image24(int width, int height, Rgb fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
  bytes_.resize(static_cast<std::size_t>(width_) * height_ * 3);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      setPixel(x, y, fill);
    }
  }
}

Rgb Image24::pixel(int x, int y) const {
  const std::uint8_t* p = row(y) + x * 3;
  return static_cast<Rgb>(p[0]) << 16 | static_cast<Rgb>(p[1]) << 8 | p[2];
}

void Image24::setPixel(int x, int y, Rgb color) {
  std::uint8_t* p = row(y) + x * 3;
  p[0] = static_cast<std::uint8_t>(color >> 16);
  p[1] = static_cast<std::uint8_t>(color >> 8);
  p[2] = static_cast<std::uint8_t>(color);
}

void transferBlock(Image24& destination, int toX, int toY, const Image24& source, BlockArea from,
                   RasterOp op) {
  // Clip the source rectangle to the source picture, shifting the target with it.
  int left = std::max({0, from.x, from.x - toX});
  int top = std::max({0, from.y, from.y - toY});
  int right = std::min({from.x + from.width, source.width(), destination.width() + from.x - toX});
  int bottom =
      std::min({from.y + from.height, source.height(), destination.height() + from.y - toY});
  if (left >= right || top >= bottom) {
    return;
  }
  const int bytes = (right - left) * 3;
  for (int y = top; y < bottom; ++y) {
    const std::uint8_t* in = source.row(y) + left * 3;
    std::uint8_t* out = destination.row(y - from.y + toY) + (left - from.x + toX) * 3;
    switch (op) {
      case RasterOp::Copy:
        std::copy_n(in, bytes, out);
        break;
      case RasterOp::Paint:
        for (int i = 0; i < bytes; ++i) {
          out[i] |= in[i];
        }
        break;
      case RasterOp::And:
        for (int i = 0; i < bytes; ++i) {
          out[i] &= in[i];
        }
        break;
    }
  }
}

}  // namespace vantoki
