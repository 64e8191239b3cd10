// vantoki-cli verify and solve as a stage designer runs them: on the shipped stage set and its
// solutions, on replays cut short, and on small rooms written for the test. Whether every shipped
// solution clears its stage is the replay tests' to say; here it is what verify prints and exits
// with. Misuse of the command line is tested in cli_test.cpp.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "board_fixture.h"
#include "cli_run.h"
#include "core/stage_set.h"
#include "io/replay_file.h"
#include "io/stage_data_file.h"
#include "io_test_files.h"
#include "rooms.h"

namespace vantoki {
namespace {

const std::filesystem::path kStageDir = VANTOKI_STAGE_DATA_DIR;
const std::filesystem::path kReplayDir = VANTOKI_REPLAY_DATA_DIR;
const std::string kStageFile = (kStageDir / "vantoki.vkst").string();

std::string replayFile(const char* name) {
  return (kReplayDir / name).string();
}

// The direction digits of a replay file, up to its end mark.
std::string movesOf(const std::filesystem::path& replay) {
  const Result<ReplayRecords> read = readReplayFile(replay);
  EXPECT_TRUE(read.ok());
  return read.ok() ? read.value().moveRecord.substr(0, read.value().moveRecord.find('9')) : "";
}

std::size_t countLines(const std::string& text, const std::string& start) {
  std::istringstream lines(text);
  std::size_t count = 0;
  for (std::string line; std::getline(lines, line);) {
    count += line.starts_with(start) ? 1 : 0;
  }
  return count;
}

TEST(CliVerifyTest, EveryShippedSolutionClearsItsStage) {
  const RunResult result = runCli("verify " + kStageFile + " " + kReplayDir.string());
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(countLines(result.output, "cleared  "), 10u);
  EXPECT_NE(result.output.find("cleared  " + replayFile("stage01.vkrp") + " 1 "),
            std::string::npos);
  EXPECT_NE(result.output.find("cleared  " + replayFile("stage10.vkrp") + " 10 "),
            std::string::npos);
  EXPECT_TRUE(result.output.ends_with("verified: 10 cleared, 0 failed\n")) << result.output;
}

TEST(CliVerifyTest, AReplayCutOneMoveShortFails) {
  const TempDir dir;
  const Result<ReplayRecords> shipped = readReplayFile(replayFile("stage03.vkrp"));
  ASSERT_TRUE(shipped.ok());
  MoveLog moveLog{};
  ASSERT_EQ(decodeMoveRecord(shipped.value().moveRecord, moveLog), std::nullopt);
  const int moves = static_cast<int>(movesOf(replayFile("stage03.vkrp")).size());
  const std::filesystem::path cut = dir / "cut.vkrp";
  ASSERT_EQ(writeReplayFile(cut, shipped.value().dataSetName, shipped.value().stageName, moveLog,
                            moves - 1),
            std::nullopt);

  const RunResult result =
      runCli("verify " + kStageFile + " " + replayFile("stage01.vkrp") + " " + cut.string());
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.output.find("cleared  " + replayFile("stage01.vkrp") + " 1 "),
            std::string::npos);
  EXPECT_NE(result.output.find("FAILED   " + cut.string() + " "), std::string::npos);
  EXPECT_TRUE(result.output.ends_with("verified: 1 cleared, 1 failed\n")) << result.output;
}

TEST(CliVerifyTest, UnreadableReplaysAndEmptyFoldersFail) {
  const TempDir dir;
  std::filesystem::create_directory(dir / "empty");
  writeBytes(dir / "broken.vkrp", "\"only one record\"\r\n");
  const RunResult result =
      runCli("verify " + kStageFile + " " + (dir / "empty").string() + " " +
             (dir / "broken.vkrp").string() + " " + (dir / "missing.vkrp").string());
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(countLines(result.output, "FAILED   "), 3u);
  EXPECT_TRUE(result.output.ends_with("verified: 0 cleared, 3 failed\n")) << result.output;
}

// A link that leads nowhere is a replay that cannot be opened; listing the folder went well.
// Alone in its folder it is the last entry listed, where looking at it once spoiled the listing.
TEST(CliVerifyTest, ADanglingLinkInAFolderFailsAsItsOwnReplay) {
  const TempDir dir;
  std::filesystem::create_symlink(dir / "gone.vkrp", dir / "dangling.vkrp");
  const RunResult result =
      runCli("verify " + kStageFile + " " + dir.path().string() + " " + replayFile("stage01.vkrp"));
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.output.find("FAILED   " + (dir / "dangling.vkrp").string() + " "),
            std::string::npos);
  EXPECT_NE(result.output.find("cleared  " + replayFile("stage01.vkrp") + " 1 "),
            std::string::npos);
  EXPECT_TRUE(result.output.ends_with("verified: 1 cleared, 1 failed\n")) << result.output;
}

TEST(CliSolveTest, FindsTheShippedSolutionAndWritesAReplayThatVerifies) {
  const TempDir dir;
  const std::string out = (dir / "solved.vkrp").string();
  const RunResult solved = runCli("solve " + kStageFile + " 1 --out " + out);
  EXPECT_EQ(solved.status, 0);
  const std::string moves = movesOf(replayFile("stage01.vkrp"));
  EXPECT_TRUE(solved.output.starts_with("solved in " + std::to_string(moves.size()) +
                                        " turns: " + moves + "\n"))
      << solved.output;
  EXPECT_EQ(movesOf(out), moves);

  const RunResult verified = runCli("verify " + kStageFile + " " + out);
  EXPECT_EQ(verified.status, 0);
  EXPECT_NE(verified.output.find("cleared  " + out + " 1 " + std::to_string(moves.size())),
            std::string::npos);
}

TEST(CliSolveTest, ReportsARoomThatCannotBeClearedAndTheLimits) {
  const TempDir dir;
  StageSet set = initialStageSet();
  set.stageCells[3].set(2, 13, code(Tile::Player));
  set.stageCells[3].set(3, 13, code(Tile::Bomb));
  set.stageCells[3].set(4, 13, code(Tile::Wall));
  set.stageCells[3].set(5, 13, code(Tile::Star));
  ASSERT_EQ(writeStageDataFile(dir / "walled.vkst", set), std::nullopt);

  const RunResult result = runCli("solve " + (dir / "walled.vkst").string() +
                                  " 4 --max-turns 40 --out " + (dir / "none.vkrp").string());
  EXPECT_EQ(result.status, 1);
  // The player can only step left and back: both boards explored are a proof.
  EXPECT_TRUE(result.output.starts_with("no solution: all 2 reachable boards explored\n"))
      << result.output;
  EXPECT_NE(result.output.find("limits: 40 turns, 10000000 states"), std::string::npos);
  // Three pieces, two bytes each, two table slots of 8 bytes, 5 bytes of the way back.
  EXPECT_NE(result.output.find("27 bytes per stored board"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir / "none.vkrp"));

  // One turn cannot show that the board after it leads nowhere new, so that is no proof.
  const RunResult cutOff = runCli("solve " + (dir / "walled.vkst").string() + " 4 --max-turns 1");
  EXPECT_EQ(cutOff.status, 1);
  EXPECT_TRUE(cutOff.output.starts_with("no solution within 1 turn\n")) << cutOff.output;
}

TEST(CliSolveTest, GivesUpAtTheStateLimit) {
  const RunResult result = runCli("solve " + kStageFile + " 10 --max-states 50");
  EXPECT_EQ(result.status, 1);
  EXPECT_TRUE(result.output.starts_with("gave up after 50 states\n")) << result.output;
}

// A stage file whose first stage is `stage`.
std::string writeRoom(const TempDir& dir, const Board& stage) {
  StageSet set = initialStageSet();
  set.stageCells[0] = stage;
  const std::filesystem::path path = dir / "room.vkst";
  EXPECT_EQ(writeStageDataFile(path, set), std::nullopt);
  return path.string();
}

TEST(CliSolveTest, GivesUpAtTheMemoryLimitWithItsStatistics) {
  const TempDir dir;
  const std::string room = writeRoom(dir, testing::boardFromRows(kShelves));
  const RunResult result = runCli("solve " + room + " 1 --max-memory 1M");
  EXPECT_EQ(result.status, 1);
  std::istringstream lines(result.output);
  std::string verdict, statistics;
  std::getline(lines, verdict);
  std::getline(lines, statistics);
  const std::string prefix = "gave up after ";
  const std::string suffix = " states (memory limit)";
  ASSERT_TRUE(verdict.starts_with(prefix) && verdict.ends_with(suffix)) << result.output;
  const std::string states =
      verdict.substr(prefix.size(), verdict.size() - prefix.size() - suffix.size());
  EXPECT_GT(std::stoul(states), 0u);
  EXPECT_TRUE(statistics.starts_with("boards: " + states + " stored, ")) << statistics;
  EXPECT_NE(statistics.find("; limits: 500 turns, 10000000 states, 1 MiB; memory: 1 MiB, "),
            std::string::npos)
      << statistics;
}

struct MemorySize {
  const char* given;
  const char* mebibytes;
};

void PrintTo(const MemorySize& size, std::ostream* out) {
  *out << size.given;
}

class CliMemorySizeTest : public ::testing::TestWithParam<MemorySize> {};

TEST_P(CliMemorySizeTest, ReadsSizesInMebibytesAndGibibytes) {
  const RunResult result = runCli("solve " + kStageFile + " 1 --max-memory " + GetParam().given);
  EXPECT_EQ(result.status, 0);
  EXPECT_NE(result.output.find(std::string("10000000 states, ") + GetParam().mebibytes + " MiB;"),
            std::string::npos)
      << result.output;
}

INSTANTIATE_TEST_SUITE_P(Sizes, CliMemorySizeTest,
                         ::testing::Values(MemorySize{"3", "3"}, MemorySize{"3M", "3"},
                                           MemorySize{"3MiB", "3"}, MemorySize{"2G", "2048"},
                                           MemorySize{"2GiB", "2048"}),
                         [](const auto& info) { return std::string(info.param.given); });

// A count of one reads "1 turn", "1 state", never "1 turns".
TEST(CliSolveTest, CountsOfOneAreSingular) {
  const TempDir dir;
  const std::string empty = writeRoom(dir, walledEmptyBoard());
  EXPECT_TRUE(runCli("solve " + empty + " 1").output.starts_with("solved in 1 turn: 0\n"));
  const RunResult oneTurn = runCli("solve " + kStageFile + " 1 --max-turns 1");
  EXPECT_TRUE(oneTurn.output.starts_with("no solution within 1 turn\n")) << oneTurn.output;
  EXPECT_NE(oneTurn.output.find("every line of 1 turn tried; limits: 1 turn, "), std::string::npos)
      << oneTurn.output;
  const RunResult oneState = runCli("solve " + kStageFile + " 1 --max-states 1");
  EXPECT_TRUE(oneState.output.starts_with("gave up after 1 state\n")) << oneState.output;
  EXPECT_NE(oneState.output.find("limits: 500 turns, 1 state, "), std::string::npos)
      << oneState.output;
}

}  // namespace
}  // namespace vantoki
