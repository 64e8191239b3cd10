// The memory budget under limits set for real in a child process, against figures worked out by
// hand: a quarter of what a limit leaves is kept back for the rest of the program, at least
// 16 MiB, and the budget is never below 1 MiB. A control group's limit is read from files laid
// out as the kernel shows them, in a folder of the test's own.
#include "solver/memory_budget.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "io_test_files.h"
#include "memory_limited_child.h"

namespace vantoki {
namespace {

constexpr std::size_t kMebibyte = std::size_t{1} << 20;

struct LimitCase {
  const char* name;
  int resource;
  std::size_t headroom;  // what the limit leaves above the child's size as it is set
  std::size_t most;      // the budget of exactly that headroom
};

TEST(MemoryBudgetTest, StaysBelowWhatTheLimitsLeave) {
  const std::size_t unlimited = memoryBudgetBytes();
  const std::vector<LimitCase> cases = {
      // Less than the least margin: the least budget.
      {"address space 8 MiB", RLIMIT_AS, 8 * kMebibyte, 1 * kMebibyte},
      // 40 - 16.
      {"address space 40 MiB", RLIMIT_AS, 40 * kMebibyte, 24 * kMebibyte},
      // 1024 - 1024 / 4.
      {"address space 1 GiB", RLIMIT_AS, 1024 * kMebibyte, 768 * kMebibyte},
      // 64 - 16.
      {"data 64 MiB", RLIMIT_DATA, 64 * kMebibyte, 48 * kMebibyte},
      // 256 - 256 / 4.
      {"data 256 MiB", RLIMIT_DATA, 256 * kMebibyte, 192 * kMebibyte},
  };
  for (const LimitCase& limitCase : cases) {
    SCOPED_TRACE(limitCase.name);
    const std::optional<std::size_t> budget = testing::reportUnderLimit<std::size_t>(
        limitCase.resource, limitCase.headroom, [] { return memoryBudgetBytes(); });
    ASSERT_TRUE(budget);
    EXPECT_LE(*budget, limitCase.most);
    // The child grows a little between setting the limit and reading it; a machine with less
    // memory than the limit bounds the budget more.
    const std::size_t least =
        limitCase.most > 7 * kMebibyte ? limitCase.most - 6 * kMebibyte : limitCase.most;
    EXPECT_GE(*budget, std::min(least, unlimited));
  }
}

struct GroupCase {
  const char* name;
  std::vector<std::pair<std::string, std::string>> files;  // path under the root, contents
  std::optional<std::size_t> limit;
};

TEST(MemoryBudgetTest, ReadsTheLowestLimitOfTheControlGroupAndThoseAboveIt) {
  const std::string unified = "30 24 0:26 / /sys/fs/cgroup rw,nosuid - cgroup2 cgroup2 rw\n";
  const std::vector<GroupCase> cases = {
      {"v2, limited by the group above",
       {{"proc/self/cgroup", "0::/user.slice/game.scope\n"},
        {"proc/self/mountinfo", "22 1 8:1 / / rw - ext4 /dev/sda1 rw\n" + unified},
        {"sys/fs/cgroup/user.slice/game.scope/memory.max", "max\n"},
        {"sys/fs/cgroup/user.slice/memory.max", "1073741824\n"}},
       std::size_t{1} << 30},
      {"v2, no limit",
       {{"proc/self/cgroup", "0::/user.slice\n"},
        {"proc/self/mountinfo", unified},
        {"sys/fs/cgroup/user.slice/memory.max", "max\n"}},
       std::nullopt},
      {"v1 memory beside an empty v2",
       {{"proc/self/cgroup", "4:memory:/jobs/a06b\n1:cpu,cpuacct:/\n0::/\n"},
        {"proc/self/mountinfo",
         "35 31 0:32 / /sys/fs/cgroup/memory rw - cgroup cgroup rw,memory\n"
         "32 31 0:29 / /sys/fs/cgroup/cpu rw - cgroup cgroup rw,cpu\n"
         "41 31 0:38 / /sys/fs/cgroup/unified rw - cgroup2 cgroup2 rw\n"},
        {"sys/fs/cgroup/memory/jobs/a06b/memory.limit_in_bytes", "536870912\n"},
        {"sys/fs/cgroup/memory/memory.limit_in_bytes", "9223372036854771712\n"},
        {"sys/fs/cgroup/cpu/memory.limit_in_bytes", "1048576\n"}},
       std::size_t{512} << 20},
      {"a container's own group mounted as the hierarchy's top",
       {{"proc/self/cgroup", "0::/docker/f00d\n"},
        {"proc/self/mountinfo", "40 35 0:30 /docker/f00d /sys/fs/cgroup ro - cgroup2 cgroup rw\n"},
        {"sys/fs/cgroup/memory.max", "268435456\n"}},
       std::size_t{256} << 20},
  };
  for (const GroupCase& groupCase : cases) {
    SCOPED_TRACE(groupCase.name);
    const TempDir root;
    for (const auto& [path, contents] : groupCase.files) {
      std::filesystem::create_directories((root / path).parent_path());
      writeBytes(root / path, contents);
    }
    EXPECT_EQ(controlGroupMemoryLimit(root.path()), groupCase.limit);
  }
}

}  // namespace
}  // namespace vantoki
