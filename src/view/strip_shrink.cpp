#include "view/strip_shrink.h"

#include <algorithm>
#include <array>
#include <vector>

#include "view/picture_strip_layout.h"

namespace vantoki {
namespace {

// How much of big pixel `from` lies under small pixel `to` along one axis, counted in units of
// which a big pixel is `small` long and a small one kCellPixels: the two then tile the same
// length, and every overlap is a whole number.
int overlap(int to, int from, int small) {
  const int start = std::max(to * kCellPixels, from * small);
  const int end = std::min((to + 1) * kCellPixels, (from + 1) * small);
  return std::max(0, end - start);
}

}  // namespace

Image24 shrinkStripCells(const Image24& strip, int cellPixels) {
  const int cells = strip.height() >= kCellPixels ? strip.width() / kCellPixels : 0;
  if (cellPixels < 1 || cellPixels > kCellPixels || cells == 0) {
    return {};
  }
  // The overlaps of one axis, the same for both and for every cell; along each axis the
  // overlaps of a small pixel add up to kCellPixels.
  std::vector<int> weights(static_cast<std::size_t>(cellPixels) * kCellPixels);
  for (int to = 0; to < cellPixels; ++to) {
    for (int from = 0; from < kCellPixels; ++from) {
      weights[to * kCellPixels + from] = overlap(to, from, cellPixels);
    }
  }
  constexpr int kWholeArea = kCellPixels * kCellPixels;
  Image24 shrunk(cells * cellPixels, cellPixels);
  for (int cell = 0; cell < cells; ++cell) {
    for (int toY = 0; toY < cellPixels; ++toY) {
      for (int toX = 0; toX < cellPixels; ++toX) {
        std::array<int, 3> sums{};
        for (int fromY = 0; fromY < kCellPixels; ++fromY) {
          const int weightY = weights[toY * kCellPixels + fromY];
          if (weightY == 0) {
            continue;
          }
          const std::uint8_t* row = strip.row(fromY) + cell * kCellPixels * 3;
          for (int fromX = 0; fromX < kCellPixels; ++fromX) {
            const int weight = weightY * weights[toX * kCellPixels + fromX];
            for (int channel = 0; channel < 3; ++channel) {
              sums[channel] += weight * row[fromX * 3 + channel];
            }
          }
        }
        // Rounded down, as the toolkit's smooth scaling that made the window's mini strip before
        // rounds: the window's previews stay as they were, to one level in a few pixels.
        std::uint8_t* out = shrunk.row(toY) + (cell * cellPixels + toX) * 3;
        for (int channel = 0; channel < 3; ++channel) {
          out[channel] = static_cast<std::uint8_t>(sums[channel] / kWholeArea);
        }
      }
    }
  }
  return shrunk;
}

}  // namespace vantoki
