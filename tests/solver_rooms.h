// Rooms shared by the solver's, the hint's and the solve command's tests, drawn as text
// (board_fixture.h).
#pragma once

#include <array>
#include <string_view>

#include "core/board.h"

namespace vantoki {

// A wall between the bomb and the star, and no way over it: nothing clears this room.
constexpr std::array<std::string_view, kBoardSize> kWalledOff = {
    "###############", "#.............#", "#.............#", "#.............#", "#.............#",
    "#.............#", "#.............#", "#.............#", "#.............#", "#.............#",
    "#.............#", "#.............#", "#.............#", "#.PB#*........#", "###############",
};

// Four moves right clear the room: step up to the bomb, push it next to the star, step after it,
// push it into the star. Two steps left put the player over the hole, which has no way out.
constexpr std::array<std::string_view, kBoardSize> kPit = {
    "###############", "#.............#", "#.............#", "#.............#", "#.............#",
    "#.............#", "#.............#", "#.............#", "#.............#", "#.............#",
    "#.............#", "#.............#", "#..P.B.*......#", "#.#############", "###############",
};

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
