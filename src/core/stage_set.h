// The stage set: ten stages of tile codes with their names, and the name of the whole set.
// Names are kept as UTF-8; the stage files convert them to and from code page 932.
#pragma once

#include <array>
#include <string>

#include "core/board.h"

namespace vantoki {

constexpr int kStageCount = 10;

struct StageSet {
  std::string dataSetName;
  std::array<std::string, kStageCount> stageNames;
  std::array<Board, kStageCount> stageCells;

  friend bool operator==(const StageSet&, const StageSet&) = default;
};

// "初期データ" with ten walled, empty stages named "STAGE 1" to "STAGE 10".
StageSet initialStageSet();

}  // namespace vantoki
