// Every shipped solution is a shortest one: the solver, run on each shipped stage, finds a line
// of exactly as many turns, and the same line, since it searches in a fixed order. A change of
// the rules that opens a shorter way through a stage fails here, as one that closes it fails
// the replay check.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "io/replay_file.h"
#include "io/stage_data_file.h"
#include "solver/shortest_solution.h"

namespace vantoki {
namespace {

class ShippedShortestTest : public ::testing::TestWithParam<int> {};

TEST_P(ShippedShortestTest, TheShippedReplayIsWhatTheSolverFinds) {
  const std::filesystem::path stageDir = VANTOKI_STAGE_DATA_DIR;
  const std::filesystem::path replayDir = VANTOKI_REPLAY_DATA_DIR;
  const Result<StageSet> stages = readStageDataFile(stageDir / "vantoki.vkst");
  ASSERT_TRUE(stages.ok()) << stages.error().message;
  const std::string number = std::to_string(GetParam() + 1);
  const Result<ReplayRecords> replay = readReplayFile(
      replayDir / ("stage" + std::string(2 - number.size(), '0') + number + ".vkrp"));
  ASSERT_TRUE(replay.ok()) << replay.error().message;

  const SearchOutcome outcome =
      findShortestSolution(stages.value().stageCells[GetParam()], SearchLimits{});
  ASSERT_EQ(outcome.result, SearchResult::Solved);
  std::string found;
  for (const int move : outcome.moves) {
    found += static_cast<char>('0' + move);
  }
  const std::string& record = replay.value().moveRecord;
  EXPECT_EQ(found, record.substr(0, record.find('9')));
}

INSTANTIATE_TEST_SUITE_P(Stages, ShippedShortestTest, ::testing::Range(0, kStageCount),
                         [](const auto& info) { return "stage" + std::to_string(info.param + 1); });

}  // namespace
}  // namespace vantoki
