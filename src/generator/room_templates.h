// The rooms a stage search starts from: open rooms with a ground floor, platforms or terraces at
// several heights and the ladders that join them, rather than narrow corridors, furnished with a
// player, stars, bombs and sometimes balls. Three shapes, picked at random: shelves (short
// platforms hanging in the room), a hall of two storeys (a floor across the room with gaps and
// ladders through it), and terraces (grounds at different heights, a ladder up each rise).
#pragma once

#include "core/board.h"
#include "generator/random_source.h"

namespace vantoki {

// Walls and ladders only.
Board randomRoom(RandomSource& random);

// A room with one player, one to three stars, as many bombs or one more, and up to two balls,
// each resting on a wall or a ladder.
Board randomStage(RandomSource& random);

// A platform: Wall on row y from x = first to last, inner cells only.
void addPlatform(Board& board, int y, int first, int last);

// A ladder in column x from row `top` (Empty, or Wall of a platform it goes through) down to the
// first cell below that is not Empty; false, changing nothing, when the top cell holds anything
// else or is a platform's Wall with nothing below it to climb down to.
bool addLadderDown(Board& board, int x, int top);

}  // namespace vantoki
