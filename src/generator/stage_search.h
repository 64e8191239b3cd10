// The search for one stage: rounds of a fixed batch of candidates, evaluated together (on worker
// threads) and compared by whether they reach the wanted length, then by score, then by their
// place in the batch. The first rounds try fresh rooms; after that each round tries changes of
// the current stage and keeps the best of them when it is at least as good, so the search can
// drift along a plateau. When a number of rounds brings nothing better, the search starts over
// from fresh rooms, keeping the best stage seen. The search is bounded by the number of
// candidates, never by time, so the same seed gives the same stage on every machine and with
// any number of threads.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "core/board.h"
#include "generator/puzzle_score.h"
#include "solver/search_limits.h"

namespace vantoki {

struct StageSearchSettings {
  int candidates = 300;             // candidates evaluated for the stage
  int minTurns = 30;                // the shortest solution a stage must have to be taken
  int threads = 1;                  // worker threads evaluating a batch
  std::size_t maxBoards = 400'000;  // a candidate reaching more boards is refused
  // Held by the analyses of a batch together, a share for each thread; a candidate whose
  // analysis needs more than its share is refused as one past maxBoards is, and only such a
  // candidate makes what is found depend on the memory and the number of threads. vantoki-cli
  // passes the process's memory budget (solver/memory_budget.h).
  std::size_t maxMemoryBytes = SearchLimits{}.maxMemoryBytes;
};

struct FoundStage {
  Board stage;
  Evaluation evaluation;

  bool isLongEnough(int minTurns) const { return evaluation.traits.turns >= minTurns; }
};

struct StageSearchProgress {
  int candidatesTried = 0;
  std::optional<FoundStage> best;
};

struct StageSearchOutcome {
  std::optional<FoundStage> best;  // the best accepted candidate, long enough or not
  int candidatesTried = 0;
  std::size_t boardsExpanded = 0;  // by the analyses of all candidates, refused ones too
  int candidatesOutOfMemory = 0;   // refused because their analysis ran out of memory
  bool stopped = false;            // `keepGoing` ended the search before its candidates were spent
};

// `keepGoing` hears after each round how far the search is, and ends it by returning false.
StageSearchOutcome searchStage(std::uint64_t seed, const StageSearchSettings& settings,
                               const std::function<bool(const StageSearchProgress&)>& keepGoing);

}  // namespace vantoki
