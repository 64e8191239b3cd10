#include "generator/stage_set_generation.h"

#include <algorithm>
#include <atomic>
#include <mutex>

#include "generator/work_sharing.h"

namespace vantoki {
namespace {

// SplitMix64's mixing step: stage seeds that differ in one bit start unrelated searches.
std::uint64_t mixed(std::uint64_t value) {
  value += 0x9E37'79B9'7F4A'7C15ull;
  value = (value ^ (value >> 30)) * 0xBF58'476D'1CE4'E5B9ull;
  value = (value ^ (value >> 27)) * 0x94D0'49BB'1331'11EBull;
  return value ^ (value >> 31);
}

std::uint64_t stageSeed(std::uint64_t setSeed, int stage) {
  return mixed(mixed(setSeed) + static_cast<std::uint64_t>(stage));
}

// What the solution does most, in a word or two a player would use.
std::string themeOf(const Board& stage, const SolutionTraits& traits) {
  const int stars = countTiles(stage, Tile::Star);
  if (traits.arrowFlights > 0) {
    return "けり返し";
  }
  if (stars >= 2) {
    return stars == 2 ? "星ふたつ" : "星みっつ";
  }
  if (traits.kicks > 0) {
    return "ボール";
  }
  if (3 * traits.ladderTurns >= traits.turns) {
    return "はしご";
  }
  return traits.starPushes > traits.bombPushes ? "星運び" : "爆弾運び";
}

}  // namespace

std::string generatedSetName(std::uint64_t seed) {
  return "生成ステージ（種 " + std::to_string(seed) + "）";
}

GeneratedSet generateStageSet(const GenerationSettings& settings,
                              const std::function<bool(const GenerationProgress&)>& keepGoing) {
  const int total = settings.stages * settings.search.candidates;
  const int stageWorkers = std::max(1, std::min(settings.search.threads, settings.stages));
  StageSearchSettings search = settings.search;
  search.threads = std::max(1, settings.search.threads / stageWorkers);
  search.maxMemoryBytes = settings.search.maxMemoryBytes / static_cast<std::size_t>(stageWorkers);

  std::vector<StageSearchOutcome> outcomes(settings.stages);
  std::atomic<int> tried{0};
  std::atomic<bool> stopped{false};
  std::mutex reporting;
  shareWork(outcomes.size(), stageWorkers, [&](std::size_t index) {
    if (stopped) {
      return;
    }
    const int stage = static_cast<int>(index);
    int triedHere = 0;
    outcomes[index] = searchStage(
        stageSeed(settings.seed, stage), search, [&](const StageSearchProgress& progress) {
          const int triedNow = tried += progress.candidatesTried - triedHere;
          triedHere = progress.candidatesTried;
          const std::lock_guard<std::mutex> lock(reporting);
          if (!stopped && !keepGoing({stage, settings.stages, triedNow, total, progress.best})) {
            stopped = true;
          }
          return !stopped;
        });
  });

  GeneratedSet generated;
  generated.stopped = stopped;
  std::vector<FoundStage> longEnough;
  for (const StageSearchOutcome& outcome : outcomes) {
    generated.candidatesTried += outcome.candidatesTried;
    generated.boardsExpanded += outcome.boardsExpanded;
    generated.candidatesOutOfMemory += outcome.candidatesOutOfMemory;
    if (outcome.best && outcome.best->isLongEnough(settings.search.minTurns)) {
      longEnough.push_back(*outcome.best);
    }
  }
  // Stable, so stages of one length keep the order they were searched in.
  std::stable_sort(longEnough.begin(), longEnough.end(),
                   [](const FoundStage& left, const FoundStage& right) {
                     return left.evaluation.traits.turns < right.evaluation.traits.turns;
                   });
  generated.stageSet = initialStageSet();
  generated.stageSet.dataSetName = generatedSetName(settings.seed);
  for (std::size_t place = 0; place < longEnough.size(); ++place) {
    const FoundStage& found = longEnough[place];
    const std::string name =
        "生成 " + std::to_string(place + 1) + "・" + themeOf(found.stage, found.evaluation.traits);
    generated.stageSet.stageCells[place] = found.stage;
    generated.stageSet.stageNames[place] = name;
    generated.stages.push_back({found, name});
  }
  return generated;
}

}  // namespace vantoki
