// The rule book, one move at a time: every case starts from a walled room (row 14 is the floor
// wall) with a few pieces, presses one direction and compares the whole resulting board and
// motion grid.
#include "core/move_resolution.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board_fixture.h"

namespace vantoki {
namespace {

using testing::c;
using testing::motionWith;
using testing::Placed;
using testing::walledBoardWith;

constexpr int kLeft = 0, kUp = 1, kRight = 2, kDown = 3;
constexpr int P = code(Tile::Player), B = code(Tile::Bomb), S = code(Tile::Star),
              O = code(Tile::Ball), X = code(Tile::Explosion), L = code(Tile::Ladder),
              Q = code(Tile::PlayerOnLadder), W = code(Tile::Wall);

struct MoveCase {
  std::string name;
  std::vector<Placed> before;
  int direction;
  std::vector<Placed> after;
  std::vector<Placed> motions;
};

void PrintTo(const MoveCase& test, std::ostream* out) {
  *out << test.name;
}

class MoveResolutionTest : public ::testing::TestWithParam<MoveCase> {};

TEST_P(MoveResolutionTest, ResolvesTheWholeBoard) {
  const MoveCase& test = GetParam();
  const Board before = walledBoardWith(test.before);
  Board work = walledEmptyBoard();
  work.set(7, 7, 42);  // leftovers of an earlier move must not leak into this one
  MotionGrid motion = motionWith({{7, 7, 3}});

  resolveMove(before, test.direction, work, motion);

  EXPECT_EQ(work, walledBoardWith(test.after));
  EXPECT_EQ(motion, motionWith(test.motions));
}

const MoveCase kMoveCases[] = {
    // Walking, falling and standing.
    {"walk_left", {{5, 13, P}}, kLeft, {{4, 13, P}}, {{5, 13, 1}}},
    {"walk_right", {{5, 13, P}}, kRight, {{6, 13, P}}, {{5, 13, 3}}},
    {"fall_ignores_direction", {{5, 5, P}}, kLeft, {{5, 6, P}}, {{5, 5, 4}}},
    {"up_without_ball_does_nothing", {{5, 13, P}}, kUp, {{5, 13, P}}, {}},
    {"down_without_ladder_does_nothing", {{5, 13, P}}, kDown, {{5, 13, P}}, {}},
    {"walk_into_wall", {{1, 13, P}}, kLeft, {{1, 13, P}}, {}},
    {"player_on_falling_bomb_waits",
     {{5, 9, P}, {5, 10, B}},
     kUp,
     {{5, 9, P}, {5, 11, B}},
     {{5, 10, 4}}},
    {"player_walks_off_ledge_and_hangs",
     {{5, 10, W}, {5, 9, P}},
     kRight,
     {{5, 10, W}, {6, 9, P}},
     {{5, 9, 3}}},

    // Scan order decides who takes a contested cell.
    {"falling_bomb_beats_walking_player",
     {{5, 12, B}, {4, 13, P}},
     kRight,
     {{5, 13, B}, {4, 13, P}},
     {{5, 12, 4}}},
    {"row_of_players_separates",
     {{3, 13, P}, {4, 13, P}},
     kRight,
     {{3, 13, P}, {5, 13, P}},
     {{4, 13, 3}}},
    {"column_of_bombs_falls_apart",
     {{5, 10, B}, {5, 11, B}},
     kLeft,
     {{5, 10, B}, {5, 12, B}},
     {{5, 11, 4}}},

    // Bombs and stars.
    {"push_bomb_into_star",
     {{2, 13, P}, {3, 13, B}, {4, 13, S}},
     kRight,
     {{2, 13, P}, {3, 13, X}, {4, 13, X}},
     {}},
    {"push_star_into_bomb",
     {{4, 13, P}, {3, 13, S}, {2, 13, B}},
     kLeft,
     {{4, 13, P}, {3, 13, X}, {2, 13, X}},
     {}},
    {"push_bomb", {{2, 13, P}, {3, 13, B}}, kRight, {{2, 13, P}, {4, 13, B}}, {{3, 13, 3}}},
    {"push_bomb_against_wall", {{12, 13, P}, {13, 13, B}}, kRight, {{12, 13, P}, {13, 13, B}}, {}},
    {"pushed_bomb_hangs_over_gap",
     {{2, 13, W}, {3, 13, W}, {2, 12, P}, {3, 12, B}},
     kRight,
     {{2, 13, W}, {3, 13, W}, {2, 12, P}, {4, 12, B}},
     {{3, 12, 3}}},
    {"standing_player_never_pushes_up",
     {{5, 13, P}, {5, 12, B}},
     kUp,
     {{5, 13, P}, {5, 12, B}},
     {}},
    {"bomb_lands_on_star", {{5, 12, B}, {5, 13, S}}, kUp, {{5, 12, X}, {5, 13, X}}, {}},
    {"star_lands_on_bomb", {{5, 12, S}, {5, 13, B}}, kUp, {{5, 12, X}, {5, 13, X}}, {}},
    {"bomb_on_star_over_gap",
     {{5, 10, B}, {5, 11, S}},
     kLeft,
     {{5, 10, X}, {5, 12, S}},
     {{5, 11, 4}}},
    {"bomb_rests_on_ladder", {{5, 12, B}, {5, 13, L}}, kLeft, {{5, 12, B}, {5, 13, L}}, {}},
    {"ball_never_falls", {{5, 5, O}}, kLeft, {{5, 5, O}}, {}},

    // Kicks.
    {"kick_right", {{2, 13, P}, {3, 13, O}}, kRight, {{2, 13, P}, {4, 13, 25}}, {{3, 13, 3}}},
    {"kick_left", {{4, 13, P}, {3, 13, O}}, kLeft, {{4, 13, P}, {2, 13, 65}}, {{3, 13, 1}}},
    {"kick_up", {{5, 13, P}, {5, 12, O}}, kUp, {{5, 13, P}, {5, 11, 85}}, {{5, 12, 2}}},
    {"kick_down_from_ladder",
     {{5, 10, Q}, {5, 11, O}},
     kDown,
     {{5, 10, Q}, {5, 12, 45}},
     {{5, 11, 4}}},
    {"kick_without_room_stops_the_player",
     {{2, 13, P}, {3, 13, O}, {4, 13, B}},
     kRight,
     {{2, 13, P}, {3, 13, O}, {4, 13, B}},
     {}},

    // Ladders.
    {"enter_ladder_from_side", {{4, 13, P}, {5, 13, L}}, kRight, {{5, 13, Q}}, {{4, 13, 3}}},
    {"enter_ladder_from_above", {{5, 12, P}, {5, 13, L}}, kDown, {{5, 13, Q}}, {{5, 12, 4}}},
    {"never_enter_ladder_from_below", {{5, 13, P}, {5, 12, L}}, kUp, {{5, 13, P}, {5, 12, L}}, {}},
    {"climb_up", {{5, 13, Q}, {5, 12, L}}, kUp, {{5, 13, L}, {5, 12, Q}}, {{5, 13, 2}}},
    {"leave_ladder_sideways",
     {{5, 12, Q}, {5, 13, L}},
     kLeft,
     {{5, 12, L}, {5, 13, L}, {4, 12, P}},
     {{5, 12, 1}}},
    {"player_on_ladder_never_falls", {{5, 5, Q}, {5, 4, W}}, kUp, {{5, 5, Q}, {5, 4, W}}, {}},
    {"push_bomb_up_from_ladder",
     {{5, 10, Q}, {5, 9, B}},
     kUp,
     {{5, 10, Q}, {5, 8, B}},
     {{5, 9, 2}}},
    {"push_star_into_bomb_from_ladder",
     {{5, 13, Q}, {4, 13, S}, {3, 13, B}},
     kLeft,
     {{5, 13, Q}, {4, 13, X}, {3, 13, X}},
     {}},

    // Arrow blocks.
    {"arrow_counts_down", {{5, 5, 65}}, kLeft, {{5, 5, 64}}, {}},
    {"arrow_flies_and_becomes_ball", {{4, 13, 11}}, kUp, {{3, 13, O}}, {{4, 13, 1}}},
    {"arrow_flies_up", {{5, 13, 31}}, kLeft, {{5, 12, O}}, {{5, 13, 2}}},
    {"arrow_waits_at_wall", {{1, 13, 11}}, kUp, {{1, 13, 11}}, {}},
    {"arrow_waits_at_ladder", {{4, 13, 11}, {3, 13, L}}, kUp, {{4, 13, 11}, {3, 13, L}}, {}},
    {"arrow_waits_at_ball", {{4, 13, 11}, {3, 13, O}}, kUp, {{4, 13, 11}, {3, 13, O}}, {}},
    {"arrow_waits_at_arrow", {{4, 13, 11}, {3, 13, 25}}, kUp, {{4, 13, 11}, {3, 13, 24}}, {}},
    {"arrow_pushes_still_player",
     {{4, 13, 11}, {3, 13, P}},
     kUp,
     {{3, 13, O}, {2, 13, P}},
     {{4, 13, 1}, {3, 13, 1}}},
    {"arrow_waits_for_walking_player",
     {{4, 13, 11}, {3, 13, P}},
     kLeft,
     {{4, 13, 11}, {2, 13, P}},
     {{3, 13, 1}}},
    {"arrow_waits_without_room_behind",
     {{2, 13, 11}, {1, 13, B}},
     kUp,
     {{2, 13, 11}, {1, 13, B}},
     {}},
    {"arrow_pushes_bomb_into_star",
     {{5, 13, 11}, {4, 13, B}, {3, 13, S}},
     kUp,
     {{4, 13, O}, {3, 13, X}},
     {{5, 13, 1}}},
    {"arrow_waits_for_moving_partner",
     {{5, 13, 11}, {4, 13, B}, {3, 12, S}},
     kUp,
     {{5, 13, 11}, {4, 13, B}, {3, 13, S}},
     {{3, 12, 4}}},
    // A second block reaching the piece the first block pushed into its partner finds it still
    // lying there, pushes it on, and its ball takes the first block's ball's cell.
    {"second_block_pushes_the_exploded_piece",
     {{2, 12, 51}, {3, 12, S}, {4, 12, B}, {4, 13, W}, {3, 13, 31}},
     kLeft,
     {{3, 11, S}, {3, 12, O}, {4, 12, X}, {4, 13, W}},
     {{2, 12, 3}, {3, 12, 2}, {3, 13, 2}}},
    {"arrow_of_no_direction_never_flies", {{5, 5, 91}}, kUp, {{5, 5, 91}}, {}},
    {"countdown_zero_code_turns_inert", {{5, 5, 10}}, kUp, {{5, 5, 9}}, {}},
    {"obstacle_code_stays", {{5, 12, 9}, {5, 11, B}}, kUp, {{5, 12, 9}, {5, 11, B}}, {}},

    // Direction indexes outside 0..3 walk nobody but let the board fall and count down.
    {"unknown_direction_still_falls",
     {{5, 13, P}, {3, 13, O}, {7, 5, B}, {8, 8, 65}},
     7,
     {{5, 13, P}, {3, 13, O}, {7, 6, B}, {8, 8, 64}},
     {{7, 5, 4}}},
    {"negative_direction", {{5, 12, Q}, {5, 13, L}}, -1, {{5, 12, Q}, {5, 13, L}}, {}},
};

INSTANTIATE_TEST_SUITE_P(Rules, MoveResolutionTest, ::testing::ValuesIn(kMoveCases),
                         [](const auto& info) { return info.param.name; });

// Without a wall ring, every neighbour outside the board behaves as a wall.
TEST(MoveResolutionOffBoard, OutsideCountsAsWall) {
  const std::vector<Placed> pieces = {
      {14, 14, P},              // bottom-right corner: nothing below, nothing to the right
      {14, 3, P},               // right edge, in the air: falls, never walks off
      {13, 7, P},  {13, 8, W},  // pushes a bomb against the outside
      {14, 7, B},  {14, 8, W},  //
      {0, 14, B},               // bottom row: cannot fall off the board
      {0, 0, 11},               // arrow blocks heading off the board
      {3, 0, 31},               //
      {6, 14, 71},              //
  };
  Board before;  // all Empty: no wall ring at all
  for (const Placed& p : pieces) {
    before.set(p.x, p.y, static_cast<TileCode>(p.value));
  }
  Board work;
  MotionGrid motion;

  resolveMove(before, kRight, work, motion);

  Board expected = before;
  expected.set(14, 3, c(Tile::Empty));
  expected.set(14, 4, c(Tile::Player));
  EXPECT_EQ(work, expected);
  EXPECT_EQ(motion, motionWith({{14, 3, 4}}));
}

}  // namespace
}  // namespace vantoki
