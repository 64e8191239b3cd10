// How fast the solver works through boards: whole searches of shipped stages, counted in boards
// expanded (each one moved in all four directions, committed, keyed and looked up) per second.
#include <benchmark/benchmark.h>

#include "io/stage_data_file.h"
#include "solver/shortest_solution.h"

namespace vantoki {
namespace {

void BM_SolveShippedStage(benchmark::State& state) {
  const Result<StageSet> stages = readStageDataFile(VANTOKI_STAGE_FILE);
  if (!stages.ok()) {
    state.SkipWithError(stages.error().message.c_str());
    return;
  }
  const Board& stage = stages.value().stageCells[state.range(0) - 1];
  double expanded = 0;
  for (auto _ : state) {
    const SearchOutcome outcome = findShortestSolution(stage, SearchLimits{});
    expanded += static_cast<double>(outcome.boardsExpanded);
    benchmark::DoNotOptimize(outcome.moves.data());
  }
  state.counters["boards_expanded"] = benchmark::Counter(expanded, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SolveShippedStage)
    ->ArgName("stage")
    ->Arg(7)
    ->Arg(9)
    ->Arg(10)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantoki
