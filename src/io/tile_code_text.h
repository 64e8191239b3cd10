// A tile code as the text of one cell of a row record. Written codes have at least two digits,
// zero-filled ("00", "07", "123", "-05"); read cell texts may be anything a person typed, and
// every text except a number outside the 16-bit range reads as some code.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/tile.h"

namespace vantoki {

std::string formatTileCode(TileCode code);

// Blanks (spaces, tabs) anywhere are ignored. What is left is read as an optional sign, digits
// and an optional decimal fraction, up to the first character that cannot continue the number;
// a text that does not begin with a number reads as 0. The number is rounded to the nearest
// integer, halves to even, exactly on its decimal digits. Empty when the result does not fit a
// tile code.
std::optional<TileCode> parseTileCode(std::string_view cellText);

}  // namespace vantoki
