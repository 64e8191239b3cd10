// The stage a test fills memory with fastest: the shelves, whose search never ends, with a code
// that only wide keys hold in a corner nothing reaches, so that every board takes the most bytes.
#pragma once

#include <array>
#include <string_view>

#include "board_fixture.h"
#include "rooms.h"

namespace vantoki::testing {

inline Board memoryFillingStage() {
  std::array<std::string_view, kBoardSize> rows = kShelves;
  rows[kBoardSize - 1] = "##############w";
  return boardFromRows(rows, {{'w', 200}});
}

}  // namespace vantoki::testing
