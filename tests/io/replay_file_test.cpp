#include "io/replay_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/stage_set.h"
#include "io_test_files.h"

namespace vantoki {
namespace {

MoveLog moveLogOf(const std::vector<std::int16_t>& moves) {
  MoveLog log{};
  std::copy(moves.begin(), moves.end(), log.begin());
  return log;
}

TEST(ReplayFileTest, FourMovesOnTheFirstInitialStage) {
  const TempDir dir;
  const StageSet set = initialStageSet();
  const MoveLog log = moveLogOf({0, 1, 2, 3});
  ASSERT_EQ(writeReplayFile(dir / "r.vkrp", set.dataSetName, set.stageNames[0], log, 4),
            std::nullopt);
  const std::string moveRecord = "0123" + std::string(497, '9');
  EXPECT_EQ(
      readBytes(dir / "r.vkrp"),
      "\"\x8F\x89\x8A\xFA\x83\x66\x81\x5B\x83\x5E\"\r\n\"STAGE 1\"\r\n\"" + moveRecord + "\"\r\n");
  EXPECT_EQ(readBytes(dir / "r.vkrp").size(), 530u);

  const Result<ReplayRecords> read = readReplayFile(dir / "r.vkrp");
  ASSERT_TRUE(read.ok()) << read.error().message;
  EXPECT_EQ(read.value(), (ReplayRecords{"初期データ", "STAGE 1", moveRecord}));
}

struct Encoded {
  std::vector<std::int16_t> moves;
  int lastTurn;
  std::string record;
};

void PrintTo(const Encoded& encoded, std::ostream* out) {
  *out << "lastTurn " << encoded.lastTurn;
}

class EncodeMoveRecordTest : public testing::TestWithParam<Encoded> {};

TEST_P(EncodeMoveRecordTest, WritesMovesThenNines) {
  EXPECT_EQ(encodeMoveRecord(moveLogOf(GetParam().moves), GetParam().lastTurn), GetParam().record);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EncodeMoveRecordTest,
    testing::Values(
        Encoded{{}, 0, std::string(501, '9')},
        // Moves beyond lastTurn belong to an abandoned line of play and are not recorded.
        Encoded{{0, 1, 2, 3}, 2, "01" + std::string(499, '9')},
        Encoded{std::vector<std::int16_t>(500, 3), 500, std::string(500, '3') + "9"}));

TEST(ReplayFileTest, DecodingTheEncodedRecordGivesTheMovesBack) {
  const MoveLog played = moveLogOf({3, 0, 0, 1, 2, 2, 2});
  MoveLog decoded{};
  ASSERT_EQ(decodeMoveRecord(encodeMoveRecord(played, 7), decoded), std::nullopt);
  for (int turn = 0; turn < 7; ++turn) {
    EXPECT_EQ(decoded[turn], played[turn]);
  }
  for (int turn = 7; turn < kSnapshotCount; ++turn) {
    EXPECT_EQ(decoded[turn], kEndOfMoves);
  }
}

TEST(ReplayFileTest, DecodeTakesAnyDigitAndIgnoresWhatFollowsTheFirst501) {
  MoveLog decoded{};
  const std::string record = "45678" + std::string(496, '0') + std::string(99, 'x');
  ASSERT_EQ(decodeMoveRecord(record, decoded), std::nullopt);
  EXPECT_EQ(decoded[0], 4);
  EXPECT_EQ(decoded[4], 8);
  EXPECT_EQ(decoded[500], 0);
}

struct BadRecord {
  std::string record;
  std::string message;
  std::string cause;
};

void PrintTo(const BadRecord& bad, std::ostream* out) {
  *out << bad.message;
}

class DecodeMoveRecordFailureTest : public testing::TestWithParam<BadRecord> {};

TEST_P(DecodeMoveRecordFailureTest, FailsAndLeavesTheMoveLogAlone) {
  MoveLog log = moveLogOf({1, 1, 1});
  const MoveLog before = log;
  const std::optional<FileError> error = decodeMoveRecord(GetParam().record, log);
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->message, GetParam().message);
  EXPECT_EQ(error->cause, GetParam().cause);
  EXPECT_EQ(log, before);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DecodeMoveRecordFailureTest,
    testing::Values(
        BadRecord{"", "the move record has 0 characters, 501 expected",
                  "3 行目: 手順の記録が0文字しかありません（501文字のはずです）"},
        BadRecord{std::string(500, '2'), "the move record has 500 characters, 501 expected",
                  "3 行目: 手順の記録が500文字しかありません（501文字のはずです）"},
        BadRecord{std::string(9, '2') + " " + std::string(491, '9'),
                  "character 10 of the move record is not a digit",
                  "3 行目: 手順の記録の10文字目が数字ではありません"},
        BadRecord{std::string(500, '2') + "-", "character 501 of the move record is not a digit",
                  "3 行目: 手順の記録の501文字目が数字ではありません"},
        BadRecord{"２" + std::string(500, '9'), "character 1 of the move record is not a digit",
                  "3 行目: 手順の記録の1文字目が数字ではありません"}));

TEST(ReplayFileTest, ReadFailsWithOnlyTwoRecords) {
  const TempDir dir;
  writeBytes(dir / "short.vkrp", "\"set\"\r\n\"stage\"\r\n");
  const Result<ReplayRecords> read = readReplayFile(dir / "short.vkrp");
  ASSERT_FALSE(read.ok());
  EXPECT_EQ(read.error().message,
            (dir / "short.vkrp").string() + ": the file has 2 lines, 3 expected");
}

// A stray CR before the move record would put a name or nothing in its place.
TEST(ReplayFileTest, ReadFailsAtAStrayCrBeforeTheMoveRecord) {
  const TempDir dir;
  const std::string moves = "\"" + std::string(501, '9') + "\"\r\n";
  for (const auto& [bytes, line] : {std::pair{"\"set\"\r\r\n\"stage\"\r\n" + moves, 1},
                                    std::pair{"\"set\"\r\n\"stage\"\r\r\n" + moves, 2}}) {
    writeBytes(dir / "r.vkrp", bytes);
    const Result<ReplayRecords> read = readReplayFile(dir / "r.vkrp");
    ASSERT_FALSE(read.ok()) << line;
    EXPECT_EQ(read.error().message, (dir / "r.vkrp").string() + ": line " + std::to_string(line) +
                                        ": ends in CR CR LF; the extra CR ends a line of its own "
                                        "and moves every later line down by one");
  }
  writeBytes(dir / "r.vkrp", "\"set\"\r\n\"stage\"\r\n" + moves.substr(0, 503) + "\r\r\n");
  EXPECT_TRUE(readReplayFile(dir / "r.vkrp").ok())
      << "a stray CR after the move record is harmless";
}

// A save the disk cannot take fails with the writer's word for it, never as done.
TEST(ReplayFileTest, SaveFailingPartWaySaysWhy) {
  const TempDir dir;
  EXPECT_TRUE(succeedsWithFileSizeLimit(200, [&] {
    const std::optional<FileError> error =
        writeReplayFile(dir / "r.vkrp", "set", "stage", MoveLog{}, 0);
    return error == FileError((dir / "r.vkrp").string() + ": cannot write: File too large",
                              "ディスクの空きが足りません");
  }));
}

}  // namespace
}  // namespace vantoki
