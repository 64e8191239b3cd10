// The generator's promises on short runs with fixed seeds: every stage it takes is a real,
// editable stage whose proven shortest solution is as long as asked and plays back as a clear.
// That a seed gives the same set on any number of threads is pinned, byte for byte, by the
// generate command's test.
#include <gtest/gtest.h>

#include <set>

#include "generated_stage_checks.h"
#include "generator/random_source.h"
#include "generator/stage_set_generation.h"
#include "io/replay_file.h"
#include "replay/replay_verification.h"
#include "solver/shortest_solution.h"

namespace vantoki {
namespace {

GenerationSettings shortRun(std::uint64_t seed, int threads) {
  GenerationSettings settings;
  settings.seed = seed;
  settings.stages = 2;
  settings.search.candidates = 16;
  settings.search.minTurns = 10;
  settings.search.threads = threads;
  settings.search.maxBoards = 8'000;
  return settings;
}

GeneratedSet generate(const GenerationSettings& settings) {
  return generateStageSet(settings, [](const GenerationProgress&) { return true; });
}

TEST(GeneratorTest, EveryStageIsEditableLongEnoughAndItsSolutionClearsIt) {
  const GenerationSettings settings = shortRun(5, 2);
  const GeneratedSet generated = generate(settings);
  ASSERT_EQ(generated.stages.size(), 2u);
  EXPECT_EQ(generated.candidatesTried, 2 * 16);
  EXPECT_EQ(generated.candidatesOutOfMemory, 0);
  EXPECT_FALSE(generated.stopped);
  int previousTurns = 0;
  for (std::size_t place = 0; place < generated.stages.size(); ++place) {
    const GeneratedStage& stage = generated.stages[place];
    const Board& cells = generated.stageSet.stageCells[place];
    EXPECT_EQ(cells, stage.found.stage);
    EXPECT_EQ(generated.stageSet.stageNames[place], stage.name);
    expectGeneratedStage(cells);
    const std::vector<int>& solution = stage.found.evaluation.analysis.solution;
    const int turns = static_cast<int>(solution.size());
    EXPECT_GE(turns, settings.search.minTurns);
    EXPECT_GE(turns, previousTurns);
    previousTurns = turns;
    // Proven shortest: the solver finds no shorter line.
    EXPECT_EQ(findShortestSolution(cells, SearchLimits{}).moves.size(), solution.size());
    const ReplayVerdict verdict = verifyReplay(
        generated.stageSet,
        {generated.stageSet.dataSetName, stage.name, encodeMoveRecord(moveLogOf(solution), turns)});
    EXPECT_TRUE(verdict.cleared) << verdict.failure;
    EXPECT_EQ(verdict.stage, static_cast<int>(place));
    EXPECT_EQ(verdict.turns, turns);
  }
}

TEST(GeneratorTest, AStopKeepsTheStagesFoundAndSaysItStopped) {
  int rounds = 0;
  const GeneratedSet generated =
      generateStageSet(shortRun(7, 1), [&](const GenerationProgress&) { return ++rounds < 3; });
  EXPECT_TRUE(generated.stopped);
  EXPECT_EQ(generated.candidatesTried, 24);  // three rounds of eight, the third told to stop
  EXPECT_LE(generated.stages.size(), 1u);
}

// Memory too little for any analysis refuses every candidate, and the count says why.
TEST(GeneratorTest, CandidatesRefusedForMemoryAreCounted) {
  GenerationSettings settings = shortRun(5, 2);
  // Less than the keys of a search's first boards take.
  settings.search.maxMemoryBytes = std::size_t{1} << 16;
  const GeneratedSet generated = generate(settings);
  EXPECT_TRUE(generated.stages.empty());
  EXPECT_EQ(generated.candidatesOutOfMemory, generated.candidatesTried);
}

TEST(GeneratorTest, RandomRangesStayInsideTheirBounds) {
  RandomSource random(5);
  std::set<int> seen;
  for (int draw = 0; draw < 1000; ++draw) {
    const int value = random.between(-2, 2);
    ASSERT_GE(value, -2);
    ASSERT_LE(value, 2);
    seen.insert(value);
  }
  EXPECT_EQ(seen.size(), 5u);
}

}  // namespace
}  // namespace vantoki
