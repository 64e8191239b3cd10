// How fast the generator works through candidates: a small stage set of a fixed seed, as
// `vantoki-cli generate` makes it, on one worker thread and on two, counted in candidates
// evaluated per second and in boards expanded per second by the candidates' analyses.
#include <benchmark/benchmark.h>

#include "generator/stage_set_generation.h"

namespace vantoki {
namespace {

void BM_GenerateStageSet(benchmark::State& state) {
  GenerationSettings settings;
  settings.seed = 2;
  settings.stages = 4;
  settings.search.candidates = 48;
  settings.search.minTurns = 40;
  settings.search.threads = static_cast<int>(state.range(0));
  double candidates = 0;
  double boards = 0;
  for (auto _ : state) {
    const GeneratedSet generated =
        generateStageSet(settings, [](const GenerationProgress&) { return true; });
    candidates += generated.candidatesTried;
    boards += static_cast<double>(generated.boardsExpanded);
    benchmark::DoNotOptimize(generated.stages.data());
  }
  state.counters["candidates"] = benchmark::Counter(candidates, benchmark::Counter::kIsRate);
  state.counters["boards_expanded"] = benchmark::Counter(boards, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_GenerateStageSet)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace vantoki
