// A whole generated stage set: one stage search per stage, each with a seed of its own drawn
// from the set's seed, and the stages whose shortest solution reached the wanted length sorted
// by rising length (ties by the order they were searched in), named, and put first in the set.
// The places left over hold walled, empty stages named as in a new set.
//
// The stage searches are independent, so the worker threads take whole stages, one at a time,
// and only when there are more threads than stages do the threads left over share a search's
// batches: a batch waits for its slowest candidate, and one candidate often costs more than the
// rest of its batch together, so whole searches keep two threads busier. Either way each stage
// is what its own seed gives. A stop part way keeps every stage already found; stages not yet
// begun are not searched. The searches running at once share the memory of the settings
// equally.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/stage_set.h"
#include "generator/stage_search.h"

namespace vantoki {

struct GenerationSettings {
  std::uint64_t seed = 1;
  int stages = kStageCount;  // 1 to 10
  StageSearchSettings search;
};

// Reported by the search that just finished a round, one report at a time.
struct GenerationProgress {
  int stage = 0;  // the index of that search, in the order the stages are searched
  int stages = 0;
  int candidatesTried = 0;  // over the whole set
  int candidatesTotal = 0;
  std::optional<FoundStage> best;  // of that search
};

struct GeneratedStage {
  FoundStage found;
  std::string name;
};

struct GeneratedSet {
  StageSet stageSet;
  std::vector<GeneratedStage> stages;  // in the order of the set, stage 1 first
  int candidatesTried = 0;
  std::size_t boardsExpanded = 0;
  int candidatesOutOfMemory = 0;
  bool stopped = false;  // `keepGoing` ended the generation before its candidates were spent
};

// "生成ステージ（種 N）".
std::string generatedSetName(std::uint64_t seed);

GeneratedSet generateStageSet(const GenerationSettings& settings,
                              const std::function<bool(const GenerationProgress&)>& keepGoing);

}  // namespace vantoki
