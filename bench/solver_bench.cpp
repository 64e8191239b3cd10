// How fast the solver works through boards: whole searches of shipped stages, basic and advanced,
// and a search of a room too large to finish that runs into its board limit, as a hint in the game
// does, counted in boards expanded (each one moved in all four directions, committed, keyed and
// looked up) per second.
#include <benchmark/benchmark.h>

#include "core/text_board.h"
#include "io/stage_data_file.h"
#include "rooms.h"
#include "solver/shortest_solution.h"

namespace vantoki {
namespace {

// Searches of a shipped stage from one of its sets, counted in boards expanded per second and in
// bytes per stored board; with the threads of the second argument, 1 when there is none.
void solveShippedStage(benchmark::State& state, const char* stageFile) {
  const Result<StageSet> stages = readStageDataFile(stageFile);
  if (!stages.ok()) {
    state.SkipWithError(stages.error().message.c_str());
    return;
  }
  const Board& stage = stages.value().stageCells[state.range(0) - 1];
  SearchLimits limits;
  limits.threads = state.range(1);
  double expanded = 0;
  for (auto _ : state) {
    const SearchOutcome outcome = findShortestSolution(stage, limits);
    expanded += static_cast<double>(outcome.boardsExpanded);
    state.counters["bytes_per_board"] = static_cast<double>(outcome.bytesPerStoredBoard);
    benchmark::DoNotOptimize(outcome.moves.data());
  }
  state.counters["boards_expanded"] = benchmark::Counter(expanded, benchmark::Counter::kIsRate);
}

void BM_SolveShippedStage(benchmark::State& state) {
  solveShippedStage(state, VANTOKI_STAGE_FILE);
}
BENCHMARK(BM_SolveShippedStage)
    ->ArgNames({"stage", "threads"})
    ->Args({7, 1})
    ->Args({9, 1})
    ->Args({10, 1})
    ->Unit(benchmark::kMillisecond);

// Stage 7 of the advanced set is the largest shipped search: 256 046 boards stored. Searches named
// Large take minutes in the sanitizer build, whose smoke run of the benchmarks leaves them out.
// Each with one thread, and with the machine's.
void BM_LargeSolveAdvancedStage(benchmark::State& state) {
  solveShippedStage(state, VANTOKI_ADVANCED_STAGE_FILE);
}
BENCHMARK(BM_LargeSolveAdvancedStage)
    ->ArgNames({"stage", "threads"})
    ->ArgsProduct({{4, 7, 10}, {1, searchThreads()}})
    ->Unit(benchmark::kMillisecond);

// Past a million boards the set no longer fits any cache, so each look-up waits for memory.
void BM_LargeSearchUntilStateLimit(benchmark::State& state) {
  const Board shelves = *boardFromText(kShelves);
  SearchLimits limits;
  limits.maxStates = static_cast<std::size_t>(state.range(0));
  double expanded = 0;
  for (auto _ : state) {
    const SearchOutcome outcome = findShortestSolution(shelves, limits);
    expanded += static_cast<double>(outcome.boardsExpanded);
    state.counters["memory_mib"] = static_cast<double>(outcome.memoryBytes >> 20);
  }
  state.counters["boards_expanded"] = benchmark::Counter(expanded, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_LargeSearchUntilStateLimit)
    ->ArgName("boards")
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
}  // namespace vantoki
