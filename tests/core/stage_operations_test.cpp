// The four ways a stage set is rearranged, on stages that can be told apart.
#include "core/stage_operations.h"

#include <gtest/gtest.h>

#include "labelled_stages.h"

namespace vantoki {
namespace {

using testing::kUnchanged;
using testing::labelledStages;
using testing::Order;

TEST(StageOperationsTest, ReorderingCarriesCellsAndNamesTogether) {
  struct Case {
    void (*operation)(StageSet&, int, int);
    int a;
    int b;
    Order expected;
  };
  const Case kCases[] = {{moveStageBehind, 2, 5, {0, 1, 3, 4, 5, 2, 6, 7, 8, 9}},
                         {moveStageBehind, 7, 2, {0, 1, 2, 7, 3, 4, 5, 6, 8, 9}},
                         {moveStageBehind, 0, 9, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0}},
                         {moveStageBehind, 9, 0, {0, 9, 1, 2, 3, 4, 5, 6, 7, 8}},
                         {moveStageBehind, 4, 3, kUnchanged},
                         {swapStages, 1, 8, {0, 8, 2, 3, 4, 5, 6, 7, 1, 9}},
                         {copyStageOver, 3, 6, {0, 1, 2, 3, 4, 5, 3, 7, 8, 9}},
                         {moveStageBehind, -1, 3, kUnchanged},
                         {swapStages, 0, 10, kUnchanged},
                         {copyStageOver, 10, 0, kUnchanged}};
  for (const Case& c : kCases) {
    StageSet stageSet = labelledStages();
    c.operation(stageSet, c.a, c.b);
    EXPECT_EQ(stageSet, labelledStages(c.expected)) << "stages " << c.a << " and " << c.b;
  }
}

TEST(StageOperationsTest, DeleteEmptiesTheInsideAndTheNameAndKeepsAnyBorder) {
  // A ring no editor would make: floor, pieces, arrow blocks and codes no rule knows.
  const TileCode kRing[] = {0, 5, 26, -3, 300, 9, 2, 1};
  StageSet stageSet = labelledStages();
  StageSet expected = stageSet;
  expected.stageNames[4] = "";
  expected.stageCells[4] = Board();
  for (int y = 0; y < kBoardSize; ++y) {
    for (int x = 0; x < kBoardSize; ++x) {
      const bool ring = x == 0 || y == 0 || x == 14 || y == 14;
      const TileCode held = ring ? kRing[(x + 3 * y) % std::size(kRing)] : code(Tile::Star);
      stageSet.stageCells[4].set(x, y, held);
      expected.stageCells[4].set(x, y, ring ? held : code(Tile::Empty));
    }
  }
  deleteStage(stageSet, 4);
  EXPECT_EQ(stageSet, expected);
  deleteStage(stageSet, kStageCount);
  EXPECT_EQ(stageSet, expected);
}

}  // namespace
}  // namespace vantoki
