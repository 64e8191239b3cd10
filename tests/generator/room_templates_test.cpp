// The room templates' building blocks touch inner cells only: on a room whose side walls are
// opened, a platform or a ladder never reaches into the border.
#include "generator/room_templates.h"

#include <gtest/gtest.h>

#include "board_fixture.h"

namespace vantoki {
namespace {

constexpr int kLast = kBoardSize - 1;

// Wall on the top and ground rows only: the side columns are Empty, as no template ever leaves
// them, so that a platform or a ladder put there would show.
Board roomWithOpenSides() {
  Board board = walledEmptyBoard();
  for (int y = 1; y < kLast; ++y) {
    board.set(0, y, code(Tile::Empty));
    board.set(kLast, y, code(Tile::Empty));
  }
  return board;
}

TEST(RoomTemplatesTest, APlatformAcrossTheRoomWallsItsInnerCellsOnly) {
  Board board = roomWithOpenSides();
  addPlatform(board, 7, 0, kLast);
  Board expected = roomWithOpenSides();
  for (int x = 1; x <= 13; ++x) {
    expected.set(x, 7, code(Tile::Wall));
  }
  EXPECT_EQ(board, expected);
}

TEST(RoomTemplatesTest, ALadderGoesDownFromAnInnerCellOnly) {
  const struct {
    const char* name;
    int x;
    int top;
    int bottom;  // of the ladder made; below top when none is
  } cases[] = {
      {"first inner column", 1, 3, 13}, {"last inner column", 13, 3, 13},
      {"first inner row", 5, 1, 13},    {"last inner row", 5, 13, 13},
      {"left border", 0, 3, 2},         {"right border", kLast, 3, 2},
      {"top border", 5, 0, -1},
  };
  for (const auto& ladder : cases) {
    Board board = roomWithOpenSides();
    const bool made = addLadderDown(board, ladder.x, ladder.top);
    Board expected = roomWithOpenSides();
    for (int y = ladder.top; y <= ladder.bottom; ++y) {
      expected.set(ladder.x, y, code(Tile::Ladder));
    }
    EXPECT_EQ(made, ladder.bottom >= ladder.top) << ladder.name;
    EXPECT_EQ(board, expected) << ladder.name;
  }
}

}  // namespace
}  // namespace vantoki
