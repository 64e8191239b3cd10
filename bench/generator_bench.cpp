// How fast the generator works through candidates: one stage search of a fixed seed, as
// `vantoki-cli generate` runs it, on one worker thread and on two, counted in candidates
// evaluated per second and in boards expanded per second by the candidates' analyses.
#include <benchmark/benchmark.h>

#include "generator/stage_search.h"

namespace vantoki {
namespace {

void BM_StageSearch(benchmark::State& state) {
  StageSearchSettings settings;
  settings.candidates = 96;
  settings.minTurns = 40;
  settings.threads = static_cast<int>(state.range(0));
  double candidates = 0;
  double boards = 0;
  for (auto _ : state) {
    const StageSearchOutcome outcome =
        searchStage(2, settings, [&](const StageSearchProgress&) { return true; });
    candidates += outcome.candidatesTried;
    boards +=
        outcome.best ? static_cast<double>(outcome.best->evaluation.analysis.reachableBoards) : 0.0;
    benchmark::DoNotOptimize(outcome.best);
  }
  state.counters["candidates"] = benchmark::Counter(candidates, benchmark::Counter::kIsRate);
  state.counters["boards_expanded"] = benchmark::Counter(boards, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_StageSearch)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace vantoki
