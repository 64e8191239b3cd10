// Rooms shared by the solver's tests and the solve command's, drawn as text (board_fixture.h).
#pragma once

#include <array>
#include <string_view>

#include "core/board.h"

namespace vantoki {

// Seven shelves off one ladder, each with a bomb that the player can only push away from the
// ladder, and a star sealed into the floor. Nothing clears it, and the places of the bombs
// multiply into far more boards than a test can wait for, so any small memory limit ends its
// search, within a second.
constexpr std::array<std::string_view, kBoardSize> kShelves = {
    "###############", "#H.B..........#", "#H#############", "#H.B..........#", "#H#############",
    "#H.B..........#", "#H#############", "#H.B..........#", "#H#############", "#H.B..........#",
    "#H#############", "#H.B..........#", "#H#############", "#HP.B.....#*###", "###############",
};

}  // namespace vantoki
