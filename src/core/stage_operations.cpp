#include "core/stage_operations.h"

#include <algorithm>
#include <utility>

namespace vantoki {
namespace {

constexpr bool isStageIndex(int stage) {
  return stage >= 0 && stage < kStageCount;
}

// Names and cells are kept in two arrays, so every reordering is done to both alike.
template <typename Stages>
void moveBehind(Stages& stages, int a, int b) {
  const auto at = [&stages](int stage) { return stages.begin() + stage; };
  if (a < b) {
    std::rotate(at(a), at(a + 1), at(b + 1));
  } else if (a > b) {
    std::rotate(at(b + 1), at(a), at(a + 1));
  }
}

}  // namespace

void moveStageBehind(StageSet& stageSet, int a, int b) {
  if (!isStageIndex(a) || !isStageIndex(b)) {
    return;
  }
  moveBehind(stageSet.stageNames, a, b);
  moveBehind(stageSet.stageCells, a, b);
}

void swapStages(StageSet& stageSet, int a, int b) {
  if (!isStageIndex(a) || !isStageIndex(b)) {
    return;
  }
  std::swap(stageSet.stageNames[a], stageSet.stageNames[b]);
  std::swap(stageSet.stageCells[a], stageSet.stageCells[b]);
}

void copyStageOver(StageSet& stageSet, int a, int b) {
  if (!isStageIndex(a) || !isStageIndex(b)) {
    return;
  }
  stageSet.stageNames[b] = stageSet.stageNames[a];
  stageSet.stageCells[b] = stageSet.stageCells[a];
}

void deleteStage(StageSet& stageSet, int a) {
  if (!isStageIndex(a)) {
    return;
  }
  stageSet.stageNames[a].clear();
  Board& cells = stageSet.stageCells[a];
  for (int y = 1; y < kBoardSize - 1; ++y) {
    for (int x = 1; x < kBoardSize - 1; ++x) {
      cells.set(x, y, code(Tile::Empty));
    }
  }
}

void applyStageOperation(StageSet& stageSet, const StageOperationChoice& choice) {
  switch (choice.operation) {
    case StageOperation::MoveBehind:
      moveStageBehind(stageSet, choice.a, choice.b);
      break;
    case StageOperation::Swap:
      swapStages(stageSet, choice.a, choice.b);
      break;
    case StageOperation::CopyOver:
      copyStageOver(stageSet, choice.a, choice.b);
      break;
    case StageOperation::Delete:
      deleteStage(stageSet, choice.a);
      break;
  }
}

}  // namespace vantoki
