// Every shipped solution is a shortest one: the solver, run on each shipped stage, finds a line
// of exactly as many turns, and the same line, since it searches in a fixed order. A change of
// the rules that opens a shorter way through a stage fails here, as one that closes it fails
// the replay check.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>

#include "io/replay_file.h"
#include "io/stage_data_file.h"
#include "shipped_sets.h"
#include "solver/shortest_solution.h"

namespace vantoki {
namespace {

using testing::kShippedSets;
using testing::ShippedSet;

class ShippedShortestTest : public ::testing::TestWithParam<std::tuple<ShippedSet, int>> {};

TEST_P(ShippedShortestTest, TheShippedReplayIsWhatTheSolverFinds) {
  const auto& [set, stage] = GetParam();
  const Result<StageSet> stages = readStageDataFile(testing::shippedStageFile(set));
  ASSERT_TRUE(stages.ok()) << stages.error().message;
  const Result<ReplayRecords> replay = readReplayFile(testing::shippedReplay(set, stage));
  ASSERT_TRUE(replay.ok()) << replay.error().message;

  const SearchOutcome outcome =
      findShortestSolution(stages.value().stageCells[stage], SearchLimits{});
  ASSERT_EQ(outcome.result, SearchResult::Solved);
  std::string found;
  for (const int move : outcome.moves) {
    found += static_cast<char>('0' + move);
  }
  const std::string& record = replay.value().moveRecord;
  EXPECT_EQ(found, record.substr(0, record.find('9')));
}

INSTANTIATE_TEST_SUITE_P(Stages, ShippedShortestTest,
                         ::testing::Combine(::testing::ValuesIn(kShippedSets),
                                            ::testing::Range(0, kStageCount)),
                         testing::kShippedStageTestName);

// The threads that work out a turn's moves change nothing of the search: the same boards in the
// same order, so the same line, and the same counts, however many there are.
TEST(ShippedShortestTest, AnyNumberOfThreadsSearchesAlike) {
  const Result<StageSet> stages = readStageDataFile(testing::shippedStageFile(kShippedSets[1]));
  ASSERT_TRUE(stages.ok()) << stages.error().message;
  const Board& stage = stages.value().stageCells[3];
  const SearchOutcome alone = findShortestSolution(stage, SearchLimits{});
  for (const int threads : {2, 5}) {
    SCOPED_TRACE(threads);
    SearchLimits limits;
    limits.threads = threads;
    const SearchOutcome shared = findShortestSolution(stage, limits);
    EXPECT_EQ(shared.moves, alone.moves);
    EXPECT_EQ(shared.boardsStored, alone.boardsStored);
    EXPECT_EQ(shared.boardsExpanded, alone.boardsExpanded);
    EXPECT_EQ(shared.turnsSearched, alone.turnsSearched);
  }
}

}  // namespace
}  // namespace vantoki
