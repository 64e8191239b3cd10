// How fast the generator works through candidates: a small stage set of a fixed seed, as
// `vantoki-cli generate` makes it, on one worker thread and on two, counted in candidates
// evaluated per second and in boards expanded per second by the candidates' analyses.
#include <benchmark/benchmark.h>

#include "generator/stage_set_generation.h"

namespace vantoki {
namespace {

// Four stages of `candidates` each, on `threads` worker threads.
void generateStageSet(benchmark::State& state, int candidates) {
  GenerationSettings settings;
  settings.seed = 2;
  settings.stages = 4;
  settings.search.candidates = candidates;
  settings.search.minTurns = 40;
  settings.search.threads = static_cast<int>(state.range(0));
  double tried = 0;
  double boards = 0;
  for (auto _ : state) {
    const GeneratedSet generated =
        generateStageSet(settings, [](const GenerationProgress&) { return true; });
    tried += generated.candidatesTried;
    boards += static_cast<double>(generated.boardsExpanded);
    benchmark::DoNotOptimize(generated.stages.data());
  }
  state.counters["candidates"] = benchmark::Counter(tried, benchmark::Counter::kIsRate);
  state.counters["boards_expanded"] = benchmark::Counter(boards, benchmark::Counter::kIsRate);
}

// The measurement: long enough for the stage searches to climb, as a real run does. Searches
// named Large take minutes in the sanitizer build, whose smoke run of the benchmarks leaves them
// out.
void BM_LargeGenerateStageSet(benchmark::State& state) {
  generateStageSet(state, 48);
}
BENCHMARK(BM_LargeGenerateStageSet)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Fresh rooms only, a moment even under the sanitizers.
void BM_GenerateStageSetOfFreshRooms(benchmark::State& state) {
  generateStageSet(state, 2);
}
BENCHMARK(BM_GenerateStageSetOfFreshRooms)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace vantoki
