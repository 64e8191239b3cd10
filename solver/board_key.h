// A board as the solver stores it: a fixed-width string of bytes, one key per board, such that
// two boards share a key exactly when they are equal. Every code the game gives a meaning fits
// in one byte, so a search whose boards hold only codes 0 to 127 uses narrow keys of one byte per
// cell; a board holding any other code needs wide keys, two bytes per cell.
//
// The width is fixed for a whole search, because keys of one width are compared byte for byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "core/board.h"

namespace vantoki {

enum class KeyWidth : int { Narrow = 1, Wide = 2 };

constexpr std::size_t keyBytes(KeyWidth width) {
  return static_cast<std::size_t>(kCellCount) * static_cast<std::size_t>(width);
}

// Narrow when every cell holds a code from 0 to 127.
KeyWidth keyWidthFor(const Board& board);

// Writes the key of `board` into `key`, which must be keyBytes(width) long. Returns false, with
// `key` holding nothing useful, when a cell does not fit the width.
bool encodeBoardKey(const Board& board, KeyWidth width, std::span<std::uint8_t> key);

// The board whose key is `key`, for a key written by encodeBoardKey with the same width.
Board decodeBoardKey(std::span<const std::uint8_t> key, KeyWidth width);

}  // namespace vantoki
