// What ends a search over reached boards before it has an answer: turns, stored boards, memory,
// a deadline and a stop request. The shortest solution takes them from its caller; the stage
// analysis bounds its boards and its memory alone.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "core/move_log.h"
#include "solver/stop_token.h"

namespace vantoki {

struct SearchLimits {
  int maxTurns = kTurnLimit;  // a replay holds at most this many moves
  // With packed keys about 1.4 GiB of stored boards: a full search stays in memory and under a
  // minute here.
  std::size_t maxStates = 10'000'000;
  // The bytes the search may hold for the boards it reached and the way back to each, counting
  // what a growing table or array holds twice while it moves. Checked before each allocation, so
  // a search that would need more ends with its statistics instead of running out of memory, as
  // it does when the system refuses memory all the same; wide keys, twice the bytes of narrow
  // ones, reach it before maxStates. Callers with no figure of their own take the memory budget
  // (memory_budget.h), which this default bounds.
  // 4 GiB, or as much as a 32-bit address space names (the page's WebAssembly).
  std::size_t maxMemoryBytes = static_cast<std::size_t>(
      std::min<std::uint64_t>(std::uint64_t{4} << 30, std::numeric_limits<std::size_t>::max()));
  // A search that must answer in time, or that its caller may no longer need, ends early; both
  // are looked at every few thousand boards, so they cost nothing to the pace of the search and
  // take effect within milliseconds.
  std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max();
  StopToken stopToken{};
  // How many threads may work out the moves of a turn's boards (searchThreads() gives what the
  // machine has); the answers are the same with any number.
  int threads = 1;
};

// The threads this machine gives a search: its cores, or one where threads cannot be started
// (the page's WebAssembly).
int searchThreads();

}  // namespace vantoki
