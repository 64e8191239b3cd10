// The shipped stage set and its solutions, and how a replay is matched to its stage and judged.
#include "replay/replay_verification.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <tuple>

#include "io/stage_data_file.h"
#include "shipped_sets.h"

namespace vantoki {
namespace {

using testing::kShippedSets;
using testing::shippedReplay;
using testing::ShippedSet;

StageSet shippedStages(const ShippedSet& set) {
  const Result<StageSet> read = readStageDataFile(testing::shippedStageFile(set));
  EXPECT_TRUE(read.ok()) << read.error().message;
  return read.ok() ? read.value() : initialStageSet();
}

ReplayRecords shippedReplayRecords(const ShippedSet& set, int stage) {
  const Result<ReplayRecords> read = readReplayFile(shippedReplay(set, stage));
  EXPECT_TRUE(read.ok()) << read.error().message;
  return read.ok() ? read.value() : ReplayRecords{};
}

int movesIn(const ReplayRecords& replay) {
  return static_cast<int>(std::min(replay.moveRecord.find('9'), replay.moveRecord.size()));
}

// The same record with its last move turned into the end mark.
ReplayRecords cutOneMoveShort(ReplayRecords replay) {
  replay.moveRecord[movesIn(replay) - 1] = '9';
  return replay;
}

class ShippedStageTest : public ::testing::TestWithParam<std::tuple<ShippedSet, int>> {
 protected:
  const ShippedSet& set() const { return std::get<0>(GetParam()); }
  int stage() const { return std::get<1>(GetParam()); }
};

TEST_P(ShippedStageTest, ItsReplayClearsIt) {
  const ReplayRecords replay = shippedReplayRecords(set(), stage());
  const ReplayVerdict verdict = verifyReplay(shippedStages(set()), replay);
  EXPECT_TRUE(verdict.cleared) << verdict.failure;
  EXPECT_EQ(verdict.stage, stage());
  EXPECT_EQ(verdict.turns, movesIn(replay));
  EXPECT_TRUE(verdict.warnings.empty());
}

TEST_P(ShippedStageTest, ItsReplayCutOneMoveShortFails) {
  const ReplayVerdict verdict =
      verifyReplay(shippedStages(set()), cutOneMoveShort(shippedReplayRecords(set(), stage())));
  EXPECT_FALSE(verdict.cleared);
  EXPECT_NE(verdict.failure.find("left after"), std::string::npos) << verdict.failure;
}

// Everything in a shipped stage can be placed with the editor, and the border is all wall.
TEST_P(ShippedStageTest, UsesOnlyWhatTheEditorPlacesInsideAWalledBorder) {
  const Board board = shippedStages(set()).stageCells[stage()];
  for (int y = 0; y < kBoardSize; ++y) {
    for (int x = 0; x < kBoardSize; ++x) {
      const TileCode value = board.at(x, y);
      if (isBorderCell(x, y)) {
        EXPECT_EQ(value, code(Tile::Wall)) << x << "," << y;
      } else {
        const bool placeable = (value >= code(Tile::Empty) && value <= code(Tile::Ball)) ||
                               value == 26 || value == 46 || value == 66 || value == 86;
        EXPECT_TRUE(placeable) << x << "," << y << ": " << value;
      }
    }
  }
  EXPECT_EQ(countTiles(board, Tile::Player), 1);
  EXPECT_GT(countTiles(board, Tile::Star), 0);
}

INSTANTIATE_TEST_SUITE_P(Stages, ShippedStageTest,
                         ::testing::Combine(::testing::ValuesIn(kShippedSets),
                                            ::testing::Range(0, kStageCount)),
                         testing::kShippedStageTestName);

TEST(ShippedStageSetTest, LaterBasicStagesTakeAtLeastThirtyTurns) {
  for (int stage = 6; stage < kStageCount; ++stage) {
    EXPECT_GE(movesIn(shippedReplayRecords(kShippedSets[0], stage)), 30) << "stage " << stage + 1;
  }
}

TEST(ShippedStageSetTest, AdvancedStagesRiseFromAboutFortyToOverAHundredTurns) {
  const ShippedSet& advanced = kShippedSets[1];
  int previous = 40;
  for (int stage = 0; stage < kStageCount; ++stage) {
    const int turns = movesIn(shippedReplayRecords(advanced, stage));
    EXPECT_GE(turns, previous) << "stage " << stage + 1;
    previous = turns;
  }
  EXPECT_GE(previous, 100);
}

TEST(ShippedStageSetTest, NamesAreJapaneseAndDistinct) {
  const auto isAscii = [](const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
  };
  for (const ShippedSet& set : kShippedSets) {
    const StageSet stages = shippedStages(set);
    EXPECT_FALSE(isAscii(stages.dataSetName)) << set.name;
    for (int stage = 0; stage < kStageCount; ++stage) {
      EXPECT_FALSE(isAscii(stages.stageNames[stage])) << set.name << " " << stage + 1;
      EXPECT_EQ(
          std::count(stages.stageNames.begin(), stages.stageNames.end(), stages.stageNames[stage]),
          1)
          << set.name << " " << stage + 1;
    }
  }
}

// A two-stage set: a walk and push cleared in five moves to the right, and an empty room.
StageSet smallSet() {
  StageSet set = initialStageSet();
  set.dataSetName = "テスト";
  set.stageNames[0] = "押す";
  set.stageCells[0].set(2, 13, code(Tile::Player));
  set.stageCells[0].set(5, 13, code(Tile::Bomb));
  set.stageCells[0].set(7, 13, code(Tile::Star));
  return set;
}

ReplayRecords replayOf(const std::string& stageName, const std::string& moves) {
  return {"テスト", stageName, moves + std::string(501 - moves.size(), '9')};
}

TEST(ReplayVerificationTest, AClearingReplayNamesItsStageAndTurns) {
  const ReplayVerdict verdict = verifyReplay(smallSet(), replayOf("押す", "22222"));
  EXPECT_TRUE(verdict.cleared);
  EXPECT_EQ(verdict.stage, 0);
  EXPECT_EQ(verdict.turns, 5);
  EXPECT_EQ(verdict.failure, "");
}

TEST(ReplayVerificationTest, MovesAfterTheClearStillCountAsCleared) {
  EXPECT_TRUE(verifyReplay(smallSet(), replayOf("押す", "2222200")).cleared);
}

TEST(ReplayVerificationTest, AnotherDataSetNameOnlyWarns) {
  ReplayRecords replay = replayOf("押す", "22222");
  replay.dataSetName = "別のデータ";
  const ReplayVerdict verdict = verifyReplay(smallSet(), replay);
  EXPECT_TRUE(verdict.cleared);
  ASSERT_EQ(verdict.warnings.size(), 1u);
  EXPECT_NE(verdict.warnings[0].find("別のデータ"), std::string::npos);
}

struct FailingCase {
  const char* name;
  ReplayRecords replay;
  std::string failure;
};

void PrintTo(const FailingCase& failingCase, std::ostream* out) {
  *out << failingCase.name;
}

class FailingReplayTest : public ::testing::TestWithParam<FailingCase> {};

TEST_P(FailingReplayTest, FailsWithItsReason) {
  StageSet set = smallSet();
  set.stageNames[5] = "同じ名前";
  set.stageNames[6] = "同じ名前";
  const ReplayVerdict verdict = verifyReplay(set, GetParam().replay);
  EXPECT_FALSE(verdict.cleared);
  EXPECT_EQ(verdict.failure, GetParam().failure);
}

INSTANTIATE_TEST_SUITE_P(
    Replays, FailingReplayTest,
    ::testing::Values(
        FailingCase{"one_move_short", replayOf("押す", "2222"), "1 star left after 4 turns"},
        FailingCase{"no_move", replayOf("押す", ""), "the replay holds no move"},
        FailingCase{"no_such_stage", replayOf("ない", "22222"), "no stage named \"ない\""},
        FailingCase{"two_stages_named_alike", replayOf("同じ名前", "2"),
                    "2 stages named \"同じ名前\""},
        FailingCase{"short_move_record", ReplayRecords{"テスト", "押す", "22222"},
                    "the move record has 5 characters, 501 expected"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vantoki
