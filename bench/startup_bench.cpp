// Process start to first shown window, for the game and for an empty Qt window of the same size,
// each run as a fresh process on the offscreen platform.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>

extern char** environ;

namespace {

void runToTheFirstWindow(benchmark::State& state, const char* program) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  for (auto _ : state) {
    pid_t child = 0;
    char* const arguments[] = {const_cast<char*>(program), nullptr};
    if (posix_spawn(&child, program, nullptr, nullptr, arguments, environ) != 0) {
      state.SkipWithError("cannot start the program");
      return;
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("the program failed");
      return;
    }
  }
}

void BM_StartGameWindow(benchmark::State& state) {
  runToTheFirstWindow(state, VANTOKI_GAME_WINDOW_START);
}
BENCHMARK(BM_StartGameWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_StartEmptyWindow(benchmark::State& state) {
  runToTheFirstWindow(state, VANTOKI_EMPTY_WINDOW_START);
}
BENCHMARK(BM_StartEmptyWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
