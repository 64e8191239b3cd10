// A batch's candidates within memory: each analysis running at once has its thread's share of
// the batch's memory, and one the system refuses memory, on whichever worker thread, is refused
// as a candidate past its cap is, while the rest of the batch is evaluated as usual.
#include "generator/batch_evaluation.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "board_fixture.h"
#include "memory_filling_stage.h"
#include "memory_limited_child.h"
#include "rooms.h"

namespace vantoki {
namespace {

constexpr std::size_t kMebibyte = std::size_t{1} << 20;
constexpr std::size_t kNoBoardCap = 1'000'000'000;

// The pit's handful of boards take the search's first allocations, about 0.1 MiB: a chunk of
// 4096 keys, the first table, the way back and the moves.
TEST(BatchEvaluationTest, EachThreadHasItsShareOfTheMemory) {
  const std::vector<Board> pit = {testing::boardFromRows(kPit)};
  for (const auto& [threads, accepted] : {std::pair{1, true}, std::pair{4, false}}) {
    SCOPED_TRACE(threads);
    const std::vector<Evaluation> evaluations =
        evaluateBatch(pit, threads, kNoBoardCap, kMebibyte / 4);
    EXPECT_EQ(evaluations[0].accepted, accepted);
    EXPECT_EQ(evaluations[0].analysis.complete, accepted);
  }
}

TEST(BatchEvaluationTest, ACandidateRefusedMemoryIsRefusedAndTheBatchGoesOn) {
  if (testing::kAddressSanitizer) {
    GTEST_SKIP() << testing::kRefusalNeedsNoSanitizer;
  }
  // Both threads analyse a stage that fills memory at once, the pit in between.
  const Board shelves = testing::memoryFillingStage();
  const std::vector<Board> candidates = {shelves, testing::boardFromRows(kPit), shelves};
  struct Report {
    bool complete[3];
    bool accepted[3];
  };
  const std::optional<Report> report =
      testing::reportUnderLimit<Report>(RLIMIT_AS, 48 * kMebibyte, [&] {
        // Memory far beyond what the system grants, so the system refuses first.
        const std::vector<Evaluation> evaluations =
            evaluateBatch(candidates, 2, kNoBoardCap, std::size_t{64} << 30);
        Report made{};
        for (std::size_t index = 0; index < evaluations.size(); ++index) {
          made.complete[index] = evaluations[index].analysis.complete;
          made.accepted[index] = evaluations[index].accepted;
        }
        return made;
      });
  ASSERT_TRUE(report) << "the batch did not end in the child";
  EXPECT_FALSE(report->complete[0]);
  EXPECT_FALSE(report->accepted[0]);
  EXPECT_TRUE(report->accepted[1]);
  EXPECT_FALSE(report->complete[2]);
  EXPECT_FALSE(report->accepted[2]);
}

}  // namespace
}  // namespace vantoki
