// The rooms and the local changes of a stage search: whatever the changes do to a room, the stage
// they give is one the generator may hold, and a seed gives the rooms and changes it always gave.
#include <gtest/gtest.h>

#include "board_fixture.h"
#include "generated_stage_checks.h"
#include "generator/room_templates.h"
#include "generator/stage_mutation.h"

namespace vantoki {
namespace {

// FNV-1a over the cells' values, fixed by definition, so it is the same on every machine.
std::uint64_t withCellsOf(std::uint64_t fingerprint, const Board& stage) {
  for (const TileCode cell : stage.cells()) {
    fingerprint = (fingerprint ^ static_cast<std::uint16_t>(cell)) * 0x100000001b3u;
  }
  return fingerprint;
}

TEST(StageMutationTest, EveryChangedStageIsOneTheGeneratorMayHoldAndASeedGivesTheSameOnes) {
  RandomSource random(3);
  std::uint64_t fingerprint = 0xcbf29ce484222325u;
  int unchanged = 0;
  constexpr int kRooms = 200;
  constexpr int kChanges = 5;
  for (int room = 0; room < kRooms; ++room) {
    Board stage = randomStage(random);
    fingerprint = withCellsOf(fingerprint, stage);
    for (int change = 0; change < kChanges; ++change) {
      const Board changed = mutateStage(stage, random);
      fingerprint = withCellsOf(fingerprint, changed);
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
  // Every room of every template and every kind of change, as recorded when what they make last
  // changed on purpose. Record the value anew only for such a change, and say why in the commit.
  EXPECT_EQ(fingerprint, 0x47f6d2407f54e2edu);
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
