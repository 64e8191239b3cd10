// Stage sets whose stages can be told apart, for the tests of the stage operations: stage i is
// named "Si" and holds code 100 + i at (7, 7).
#pragma once

#include <array>
#include <string>

#include "core/stage_set.h"

namespace vantoki::testing {

using Order = std::array<int, kStageCount>;
constexpr Order kUnchanged = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};

// With an order, stage i is the labelled stage order[i].
inline StageSet labelledStages(const Order& order = kUnchanged) {
  StageSet stageSet = initialStageSet();
  for (int stage = 0; stage < kStageCount; ++stage) {
    stageSet.stageNames[stage] = std::string("S").append(std::to_string(order[stage]));
    stageSet.stageCells[stage].set(7, 7, static_cast<TileCode>(100 + order[stage]));
  }
  return stageSet;
}

}  // namespace vantoki::testing
