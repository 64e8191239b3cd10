#include "core/stage_set.h"

namespace vantoki {

StageSet initialStageSet() {
  StageSet set;
  set.dataSetName = "初期データ";
  for (int stage = 0; stage < kStageCount; ++stage) {
    set.stageNames[stage] = "STAGE " + std::to_string(stage + 1);
    set.stageCells[stage] = walledEmptyBoard();
  }
  return set;
}

}  // namespace vantoki
