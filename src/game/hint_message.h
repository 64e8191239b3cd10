// What the hint's message box says, in the game's Japanese: the next move as an arrow with the
// turns the clear still needs, that the board shown can no longer be cleared and how far back a
// clear still fits, or that the search ran out of its budget.
#pragma once

#include <string>

#include "solver/hint.h"

namespace vantoki {

std::string hintMessage(const Hint& hint);

}  // namespace vantoki
