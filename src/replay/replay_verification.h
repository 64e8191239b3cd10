// Whether a replay still clears its stage: the check a shipped solution must pass after every
// change to the rules. The replay is matched to a stage of the set by its stage name, because a
// replay carries names, not cells; then its move record is played on that stage as every replay
// is played.
//
// A replay clears when it holds at least one move and the last board it commits holds no star.
#pragma once

#include <string>
#include <vector>

#include "core/stage_set.h"
#include "io/replay_file.h"

namespace vantoki {

struct ReplayVerdict {
  bool cleared = false;
  int stage = -1;                     // the index of the stage whose name matched, -1 when none did
  int turns = 0;                      // the turns the play reached
  std::string failure;                // why the replay did not clear; empty when it did
  std::vector<std::string> warnings;  // doubts that do not fail it
};

// Fails the replay when no stage or several stages carry its stage name; a different data set
// name is only a warning, since a set may be renamed without changing its stages.
ReplayVerdict verifyReplay(const StageSet& stageSet, const ReplayRecords& replay);

}  // namespace vantoki
