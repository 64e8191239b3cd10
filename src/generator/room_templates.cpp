#include "generator/room_templates.h"

#include <algorithm>

#include "generator/stage_cells.h"

namespace vantoki {
namespace {

constexpr int kFirstInner = 1;
constexpr int kLastInner = kBoardSize - 2;
constexpr int kGroundRow = kBoardSize - 1;  // the border row everything finally stands on

bool isInner(int x, int y) {
  return x >= kFirstInner && x <= kLastInner && y >= kFirstInner && y <= kLastInner;
}

// Short platforms at two to four heights, each with a ladder at one end down to what is below.
void buildShelves(Board& board, RandomSource& random) {
  for (int row = kGroundRow - random.between(3, 4); row >= 3; row -= random.between(3, 4)) {
    const int platforms = random.between(1, 2);
    for (int platform = 0; platform < platforms; ++platform) {
      const int length = random.between(3, 7);
      const int first = random.between(kFirstInner, kLastInner - length + 1);
      const int last = first + length - 1;
      addPlatform(board, row, first, last);
      const bool ladderOnLeft = random.chance(1, 2);
      const int ladderColumn = ladderOnLeft ? first - 1 : last + 1;
      if (!addLadderDown(board, ladderColumn, row)) {
        // Through the platform's own end instead, when the side is the room's wall.
        addLadderDown(board, ladderOnLeft ? first : last, row);
      }
    }
  }
}

// A floor across the room with a gap or two to fall through and ladders up through it, and a
// platform or two in the upper storey.
void buildHall(Board& board, RandomSource& random) {
  const int floor = random.between(7, 9);
  addPlatform(board, floor, kFirstInner, kLastInner);
  const int gaps = random.between(1, 2);
  for (int gap = 0; gap < gaps; ++gap) {
    const int width = random.between(1, 2);
    const int first = random.between(kFirstInner, kLastInner - width + 1);
    for (int x = first; x < first + width; ++x) {
      board.set(x, floor, code(Tile::Empty));
    }
  }
  const int ladders = random.between(1, 2);
  for (int ladder = 0; ladder < ladders; ++ladder) {
    addLadderDown(board, random.between(kFirstInner, kLastInner), floor);
  }
  const int platforms = random.between(0, 2);
  for (int platform = 0; platform < platforms; ++platform) {
    const int length = random.between(2, 4);
    const int first = random.between(kFirstInner, kLastInner - length + 1);
    const int row = floor - random.between(3, 4);
    addPlatform(board, row, first, first + length - 1);
    addLadderDown(board, random.chance(1, 2) ? first - 1 : first + length, row);
  }
}

// Two to four grounds side by side at different heights; a ladder against each rise.
void buildTerraces(Board& board, RandomSource& random) {
  const int terraces = random.between(2, 4);
  std::vector<int> edges{kFirstInner};
  for (int terrace = 1; terrace < terraces; ++terrace) {
    edges.push_back(kFirstInner + terrace * (kLastInner - kFirstInner + 1) / terraces +
                    random.between(-1, 1));
  }
  edges.push_back(kLastInner + 1);
  std::vector<int> heights;
  for (int terrace = 0; terrace < terraces; ++terrace) {
    heights.push_back(random.between(0, 5));
  }
  for (int terrace = 0; terrace < terraces; ++terrace) {
    for (int x = edges[terrace]; x < edges[terrace + 1]; ++x) {
      for (int step = 0; step < heights[terrace]; ++step) {
        board.set(x, kLastInner - step, code(Tile::Wall));
      }
    }
  }
  for (int terrace = 0; terrace + 1 < terraces; ++terrace) {
    const int left = heights[terrace], right = heights[terrace + 1];
    if (left == right) {
      continue;
    }
    // In the lower terrace's column beside the rise, from the higher terrace's standing row.
    const int column = left < right ? edges[terrace + 1] - 1 : edges[terrace + 1];
    addLadderDown(board, column, kLastInner - std::max(left, right));
  }
  if (random.chance(1, 2)) {
    const int length = random.between(3, 5);
    const int first = random.between(kFirstInner, kLastInner - length + 1);
    const int row = random.between(3, 5);
    addPlatform(board, row, first, first + length - 1);
    addLadderDown(board, random.chance(1, 2) ? first - 1 : first + length, row);
  }
}

// A block or two on the floors, to push against and to stand on.
void addBlocks(Board& board, RandomSource& random) {
  const int blocks = random.between(0, 3);
  for (int block = 0; block < blocks; ++block) {
    placeOnRestingCell(board, Tile::Wall, random);
  }
}

}  // namespace

void addPlatform(Board& board, int y, int first, int last) {
  for (int x = std::max(first, kFirstInner); x <= std::min(last, kLastInner); ++x) {
    if (isInner(x, y)) {
      board.set(x, y, code(Tile::Wall));
    }
  }
}

bool addLadderDown(Board& board, int x, int top) {
  if (!isInner(x, top)) {
    return false;
  }
  const TileCode atTop = board.at(x, top);
  if (atTop != code(Tile::Empty) && atTop != code(Tile::Wall)) {
    return false;
  }
  int bottom = top;
  while (board.at(x, bottom + 1) == code(Tile::Empty)) {
    ++bottom;
  }
  if (bottom == top && atTop == code(Tile::Wall)) {
    // A ladder cell in a platform with nothing to climb below it leads nowhere.
    return false;
  }
  for (int y = top; y <= bottom; ++y) {
    board.set(x, y, code(Tile::Ladder));
  }
  return true;
}

Board randomRoom(RandomSource& random) {
  Board board = walledEmptyBoard();
  switch (random.below(3)) {
    case 0:
      buildShelves(board, random);
      break;
    case 1:
      buildHall(board, random);
      break;
    default:
      buildTerraces(board, random);
      break;
  }
  addBlocks(board, random);
  return board;
}

Board randomStage(RandomSource& random) {
  Board board = randomRoom(random);
  placeOnRestingCell(board, Tile::Player, random);
  const int stars = random.chance(1, 4) ? random.between(2, 3) : 1;
  const int bombs = stars + random.between(0, 1);
  for (int star = 0; star < stars; ++star) {
    placeOnRestingCell(board, Tile::Star, random);
  }
  for (int bomb = 0; bomb < bombs; ++bomb) {
    placeOnRestingCell(board, Tile::Bomb, random);
  }
  const int balls = random.chance(1, 2) ? random.between(1, 2) : 0;
  for (int ball = 0; ball < balls; ++ball) {
    placeOnRestingCell(board, Tile::Ball, random);
  }
  return board;
}

}  // namespace vantoki
