// The board a rules or search fuzz input starts with, shared by those targets:
//   - first byte even: the board is the next 450 bytes, its 225 cells row by row, each a
//     little-endian 16-bit code, as any stage file may carry;
//   - first byte odd: a walled board the editor could have made; the next 169 bytes are its inner
//     cells row by row, each picking one of the eleven palette codes by its value modulo 11.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "core/board.h"

namespace vantoki {

// The board the input starts with, taken off the front of `input`; nothing when the input is too
// short for its board.
std::optional<Board> takeFuzzBoard(std::span<const std::uint8_t>& input);

// Walled, and holding only codes the editor places.
bool isEditorBoard(const Board& board);

}  // namespace vantoki
