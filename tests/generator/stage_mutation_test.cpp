// The local changes of a stage search: whatever they do to a room, the stage they give is one
// the generator may hold, and a seed gives the same changes on every run.
#include <gtest/gtest.h>

#include "board_fixture.h"
#include "generated_stage_checks.h"
#include "generator/room_templates.h"
#include "generator/stage_mutation.h"

namespace vantoki {
namespace {

TEST(StageMutationTest, EveryChangedStageIsOneTheGeneratorMayHold) {
  RandomSource random(3);
  int unchanged = 0;
  constexpr int kRooms = 200;
  constexpr int kChanges = 5;
  for (int room = 0; room < kRooms; ++room) {
    Board stage = randomStage(random);
    for (int change = 0; change < kChanges; ++change) {
      const Board changed = mutateStage(stage, random);
      expectGeneratedStage(changed);
      unchanged += changed == stage;
      stage = changed;
    }
    if (::testing::Test::HasFailure()) {
      FAIL() << "room " << room;
    }
  }
  // A change is drawn again when it gives a stage that may not be held, so few come back empty.
  EXPECT_LT(unchanged, kRooms * kChanges / 20);
}

TEST(StageMutationTest, TheSameSeedGivesTheSameChanges) {
  RandomSource roomSource(8);
  const Board room = randomStage(roomSource);
  RandomSource first(21), second(21), other(22);
  Board fromFirst = room, fromSecond = room, fromOther = room;
  bool otherSeedDiffers = false;
  for (int change = 0; change < 20; ++change) {
    fromFirst = mutateStage(fromFirst, first);
    fromSecond = mutateStage(fromSecond, second);
    fromOther = mutateStage(fromOther, other);
    ASSERT_EQ(fromFirst, fromSecond) << "change " << change;
    otherSeedDiffers |= fromOther != fromFirst;
  }
  EXPECT_TRUE(otherSeedDiffers);
}

// No change adds or takes away a player, so a stage with two stays one no draw may give, and
// comes back as it was.
TEST(StageMutationTest, AStageNoChangeCanMendComesBackAsItWas) {
  const Board twoPlayers = testing::boardFromRows({
      "###############",
      "#.............#",
      "#.............#",
      "#.............#",
      "#.............#",
      "#.............#",
      "#.............#",
      "#.............#",
      "#.............#",
      "#.............#",
      "#.............#",
      "#.............#",
      "#....#####....#",
      "#.P.B..*..P...#",
      "###############",
  });
  RandomSource random(4);
  for (int draw = 0; draw < 20; ++draw) {
    EXPECT_EQ(mutateStage(twoPlayers, random), twoPlayers);
  }
}

}  // namespace
}  // namespace vantoki
