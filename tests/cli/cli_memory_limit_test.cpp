// vantoki-cli solve started under an address-space limit, as `ulimit -v` sets one: its memory
// limit is what the process can spare below it, and the search ends there with its statistics,
// never in an abort.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <sstream>
#include <string>

#include "cli_run.h"
#include "core/stage_set.h"
#include "io/stage_data_file.h"
#include "io_test_files.h"
#include "memory_filling_stage.h"
#include "memory_limited_child.h"

namespace vantoki {
namespace {

struct LimitedRun {
  int status;
  char output[1024];
};

// The cli started from a child process whose address space is limited to its size plus
// `headroom`. The cli, larger than the test program by the libraries it loads, finds less left.
std::optional<LimitedRun> runCliUnderLimit(const std::string& arguments, std::size_t headroom) {
  return testing::reportUnderLimit<LimitedRun>(RLIMIT_AS, headroom, [&] {
    const RunResult result = runCli(arguments);
    LimitedRun run{result.status, {}};
    std::strncpy(run.output, result.output.c_str(), sizeof run.output - 1);
    return run;
  });
}

TEST(CliMemoryLimitTest, SolveUnderAnAddressSpaceLimitGivesUpAtItsMemoryLimit) {
  const TempDir dir;
  StageSet set = initialStageSet();
  set.stageCells[0] = testing::memoryFillingStage();
  ASSERT_EQ(writeStageDataFile(dir / "shelves.vkst", set), std::nullopt);
  constexpr std::size_t kHeadroomMebibytes = 160;
  // The sanitizers' build searches some fifty times slower, too slow to reach the limit: there
  // the boards cut the search short, and what is checked is the memory limit it was given.
  const std::string cut = testing::kAddressSanitizer ? " --max-states 5000" : "";
  const std::optional<LimitedRun> run = runCliUnderLimit(
      "solve " + (dir / "shelves.vkst").string() + " 1" + cut, kHeadroomMebibytes << 20);
  ASSERT_TRUE(run) << "the child running vantoki-cli did not end";
  EXPECT_EQ(run->status, 1) << run->output;

  std::istringstream lines(run->output);
  std::string verdict, statistics;
  std::getline(lines, verdict);
  std::getline(lines, statistics);
  EXPECT_TRUE(verdict.starts_with("gave up after ")) << verdict;
  EXPECT_EQ(verdict.ends_with(" states (memory limit)"), !testing::kAddressSanitizer) << verdict;
  const std::size_t limits = statistics.find(" states, ");
  ASSERT_NE(limits, std::string::npos) << statistics;
  // The budget is at most three quarters of what the limit leaves.
  const int mebibytes = std::stoi(statistics.substr(limits + 9));
  EXPECT_GT(mebibytes, 0);
  EXPECT_LE(mebibytes, 3 * kHeadroomMebibytes / 4) << statistics;
}

}  // namespace
}  // namespace vantoki
