// The memory a search may hold when its caller names no figure of its own: the least of 4 GiB
// (SearchLimits' default), the machine's memory, what the process's address-space and data
// limits (RLIMIT_AS, RLIMIT_DATA) leave above its current size, and what the memory limit of its
// control group leaves above its resident size. From each of these a margin is kept back for the
// rest of the program (its other allocations, the stacks of its threads): a quarter of what is
// left, and at least 16 MiB. A search held to the budget ends at its own memory limit before the
// system refuses it memory; the budget is never below 1 MiB, so a search always has room to
// start, and one that meets a refusal all the same ends as at its limit.
//
// Read afresh at each call, since the process's size and limits change while it runs.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>

namespace vantoki {

std::size_t memoryBudgetBytes();

// What the process holds now, as its limits count it.
struct ProcessSize {
  std::size_t addressSpace = 0;  // what RLIMIT_AS counts
  std::size_t data = 0;          // what RLIMIT_DATA counts
  std::size_t resident = 0;      // what a control group counts
};

// From the lines "VmSize:   73928 kB" of /proc/self/status; a size that cannot be read counts as
// nothing held.
ProcessSize currentProcessSize();

// The lowest memory limit of the control group the process runs in and of the groups above it
// (cgroup v2's memory.max, v1's memory.limit_in_bytes), found through the process's own
// /proc/self/cgroup and /proc/self/mountinfo under `root`, which is "/" but for tests. None when
// no group sets one, or none can be read.
std::optional<std::size_t> controlGroupMemoryLimit(const std::filesystem::path& root = "/");

}  // namespace vantoki
