// A 24-bit RGB picture in memory, stored row by row with three bytes (red, green, blue) per
// pixel, and the block transfer the board is drawn with. Every transfer is clipped to both
// pictures, so no block, wherever it is placed, reads or writes outside them.
#pragma once

#include <cstdint>
#include <vector>

namespace vantoki {

using Rgb = std::uint32_t;  // 0xRRGGBB

class Image24 {
 public:
  Image24() = default;
  Image24(int width, int height, Rgb fill = 0);

  int width() const { return width_; }
  int height() const { return height_; }
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  Rgb pixel(int x, int y) const;
  void setPixel(int x, int y, Rgb color);

  const std::uint8_t* row(int y) const { return bytes_.data() + rowOffset(y); }
  std::uint8_t* row(int y) { return bytes_.data() + rowOffset(y); }

  friend bool operator==(const Image24&, const Image24&) = default;

 private:
  std::size_t rowOffset(int y) const { return static_cast<std::size_t>(y) * width_ * 3; }

  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> bytes_;
};

// Copy: destination = source. Paint: destination |= source. And: destination &= source.
enum class RasterOp { Copy, Paint, And };

struct BlockArea {
  int x;
  int y;
  int width;
  int height;
};

// Moves the block `from` of `source` to (toX, toY) of `destination`, pixel by pixel through
// the raster operation; the parts of the block outside either picture are left out.
void transferBlock(Image24& destination, int toX, int toY, const Image24& source, BlockArea from,
                   RasterOp op);

}  // namespace vantoki
