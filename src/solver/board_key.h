// A board as the solver stores it: a fixed-width string of bytes, one key per board, such that
// two boards share a key exactly when they are equal. Three widths, the smallest that holds every
// board of a search chosen from its stage:
// - packed: half a byte per cell for the codes 0 to 14, which is all an open room holds but its
//   balls in flight, and after the cells a few bytes for the larger codes in scan order;
// - narrow: one byte per cell, for any board whose codes are 0 to 127;
// - wide: two bytes per cell, for any code at all.
//
// A ball and an arrow block turn into each other and nothing else makes or destroys either, so
// the cells with larger codes never outnumber the stage's balls and codes from 10 on. No move
// writes a new code above 86, and codes from 10 on only count down: a block that cannot fly (one
// from 90 on never can) goes back up by the one it counted. Negative codes never move. So the
// stage alone tells the width that holds every board a play of it reaches, whatever codes a file
// gave it.
//
// The width is fixed for a whole search, because keys of one width are compared byte for byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "core/board.h"

namespace vantoki {

enum class KeyWidth : int { Packed, Narrow, Wide };

// How many cells with a code from 15 to 127 a packed key holds.
constexpr int kPackedLargeCodes = 8;

constexpr std::size_t keyBytes(KeyWidth width) {
  constexpr std::size_t kCells = kCellCount;
  switch (width) {
    case KeyWidth::Packed:
      return (kCells + 1) / 2 + kPackedLargeCodes;
    case KeyWidth::Narrow:
      return kCells;
    default:
      return 2 * kCells;
  }
}

// The smallest width that holds `stage` and every board a play of it can reach.
KeyWidth keyWidthFor(const Board& stage);

// Writes the key of `board` into `key`, which must be keyBytes(width) long, for a board that fits
// the width: the stage whose keyWidthFor it is, or a board reached from it.
void encodeBoardKey(const Board& board, KeyWidth width, std::span<std::uint8_t> key);

// The board whose key is `key`, for a key written by encodeBoardKey with the same width.
Board decodeBoardKey(std::span<const std::uint8_t> key, KeyWidth width);

}  // namespace vantoki
