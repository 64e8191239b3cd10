// The four ways a stage set is rearranged, as the stage operations dialog offers them. A stage is
// its 225 cells and its name, and every operation carries both; the data set name is never
// touched. Stage indexes are 0..9; a call with any other index changes nothing.
#pragma once

#include "core/stage_set.h"

namespace vantoki {

// The stage at `a` ends directly behind the stage that was at `b`; the stages between them move
// one place to close the gap. With a = b, or a = b + 1, the order stays as it was.
void moveStageBehind(StageSet& stageSet, int a, int b);
void swapStages(StageSet& stageSet, int a, int b);
// Stage `b` becomes a copy of stage `a`, name included, so two stages then share a name.
void copyStageOver(StageSet& stageSet, int a, int b);
// Empties the 169 inner cells and the name of stage `a`. The border ring keeps whatever codes it
// holds (a loaded file may have put anything there), and no other stage moves.
void deleteStage(StageSet& stageSet, int a);

enum class StageOperation { MoveBehind, Swap, CopyOver, Delete };

// An operation with its two target stages, as the player confirmed it; Delete uses only `a`.
struct StageOperationChoice {
  StageOperation operation;
  int a;
  int b;

  friend bool operator==(const StageOperationChoice&, const StageOperationChoice&) = default;
};

void applyStageOperation(StageSet& stageSet, const StageOperationChoice& choice);

}  // namespace vantoki
