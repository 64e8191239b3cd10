// vantoki-cli verify and solve as a stage designer runs them: on the shipped stage set and its
// solutions, on replays cut short, and on small rooms written for the test.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "cli_run.h"
#include "core/stage_set.h"
#include "io/replay_file.h"
#include "io/stage_data_file.h"
#include "io_test_files.h"

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

TEST(CliVerifyTest, NeedsAStageFileAndAReplay) {
  EXPECT_EQ(runCli("verify " + kStageFile).status, 2);
  EXPECT_EQ(
      runCli("verify " + replayFile("stage01.vkrp") + " " + replayFile("stage01.vkrp")).status, 1);
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
  EXPECT_TRUE(result.output.starts_with("no solution within 40 turns\n")) << result.output;
  EXPECT_NE(result.output.find("limits: 40 turns, 10000000 states"), std::string::npos);
  EXPECT_NE(result.output.find("246 bytes per stored board"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir / "none.vkrp"));
}

TEST(CliSolveTest, GivesUpAtTheStateLimit) {
  const RunResult result = runCli("solve " + kStageFile + " 10 --max-states 50");
  EXPECT_EQ(result.status, 1);
  EXPECT_TRUE(result.output.starts_with("gave up after 50 states\n")) << result.output;
}

struct Misuse {
  const char* name;
  std::string arguments;
  int status;
};

void PrintTo(const Misuse& misuse, std::ostream* out) {
  *out << misuse.name;
}

class CliSolveMisuseTest : public ::testing::TestWithParam<Misuse> {};

TEST_P(CliSolveMisuseTest, ExitsWithItsStatusAndPrintsNothing) {
  const RunResult result = runCli(GetParam().arguments);
  EXPECT_EQ(result.status, GetParam().status);
  EXPECT_EQ(result.output, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliSolveMisuseTest,
    ::testing::Values(Misuse{"no_stage", "solve " + kStageFile, 2},
                      Misuse{"unknown_option", "solve " + kStageFile + " 1 --fast 1", 2},
                      Misuse{"option_without_value", "solve " + kStageFile + " 1 --max-turns", 2},
                      Misuse{"stage_eleven", "solve " + kStageFile + " 11", 1},
                      Misuse{"zero_turns", "solve " + kStageFile + " 1 --max-turns 0", 1},
                      Misuse{"more_turns_than_a_replay_holds",
                             "solve " + kStageFile + " 1 --max-turns 501", 1},
                      Misuse{"states_not_a_number", "solve " + kStageFile + " 1 --max-states x", 1},
                      Misuse{"missing_stage_file", "solve nothing.vkst 1", 1}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vantoki
