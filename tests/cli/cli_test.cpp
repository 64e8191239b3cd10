// vantoki-cli as a stage designer runs it: the program itself, on small hand-made files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

#include "cli_run.h"

namespace {

using vantoki::runCli;
using vantoki::RunResult;

const std::filesystem::path kData = VANTOKI_TEST_DATA_DIR;

std::string readText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string dataFile(const char* name) {
  return (kData / name).string();
}

TEST(CliTest, ReplayPrintsEveryBoardOfThePlay) {
  const RunResult result = runCli("replay " + dataFile("first_steps.vkst") + " 2 " +
                                  dataFile("first_steps.vkrp") + " --boards");
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.output, readText(kData / "first_steps_boards.txt"));
}

TEST(CliTest, ReplayOnAnotherStageStillPlays) {
  const RunResult result =
      runCli("replay " + dataFile("first_steps.vkst") + " 1 " + dataFile("first_steps.vkrp"));
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.output, "turn=4 last=4 stars=0 cleared=yes\n");
}

TEST(CliTest, CheckCountsThePieces) {
  const RunResult result = runCli("check " + dataFile("first_steps.vkst"));
  EXPECT_EQ(result.status, 0);
  EXPECT_NE(result.output.find("data set: テストデータ\n"), std::string::npos);
  EXPECT_NE(
      result.output.find(
          "stage 2: players 1, bombs 1, stars 1, balls 0, arrow blocks 0, name はじめの一歩\n"),
      std::string::npos);
  EXPECT_NE(result.output.find(
                "stage 10: players 0, bombs 0, stars 0, balls 0, arrow blocks 0, name STAGE 10\n"),
            std::string::npos);
}

// The PNG header: its signature, then the IHDR chunk with the width and height.
TEST(CliTest, RenderWritesTheBoardAsA600PixelPicture) {
  const std::filesystem::path out = std::filesystem::temp_directory_path() /
                                    ("vantoki_render_" + std::to_string(getpid()) + ".png");
  const RunResult result = runCli("render " + dataFile("first_steps.vkst") + " 2 " + out.string());
  EXPECT_EQ(result.status, 0);
  const std::string png = readText(out);
  std::filesystem::remove(out);
  ASSERT_GE(png.size(), 24u);
  EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
  EXPECT_EQ(png.substr(12, 12), std::string("IHDR\0\0\x02\x58\0\0\x02\x58", 12));
}

struct Failure {
  const char* name;
  std::string arguments;
  int status;
};

void PrintTo(const Failure& failure, std::ostream* out) {
  *out << failure.name;
}

class CliFailureTest : public ::testing::TestWithParam<Failure> {};

TEST_P(CliFailureTest, ExitsWithItsStatus) {
  const RunResult result = runCli(GetParam().arguments);
  EXPECT_EQ(result.status, GetParam().status);
  EXPECT_EQ(result.output, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliFailureTest,
    ::testing::Values(
        Failure{"no_command", "", 2}, Failure{"unknown_command", "play x", 2},
        Failure{"check_without_file", "check", 2},
        Failure{"missing_stage_file", "check " + dataFile("nothing.vkst"), 1},
        Failure{"stage_file_is_a_replay", "check " + dataFile("first_steps.vkrp"), 1},
        Failure{"stage_zero",
                "replay " + dataFile("first_steps.vkst") + " 0 " + dataFile("first_steps.vkrp"), 2},
        Failure{"stage_eleven",
                "replay " + dataFile("first_steps.vkst") + " 11 " + dataFile("first_steps.vkrp"),
                2},
        Failure{"missing_replay",
                "replay " + dataFile("first_steps.vkst") + " 2 " + dataFile("nothing.vkrp"), 1},
        Failure{"stage_file_as_replay",
                "replay " + dataFile("first_steps.vkst") + " 2 " + dataFile("first_steps.vkst"), 1},
        Failure{"render_without_picture", "render " + dataFile("first_steps.vkst") + " 2", 2},
        Failure{"render_stage_eleven",
                "render " + dataFile("first_steps.vkst") + " 11 /tmp/vantoki_never.png", 2},
        Failure{"render_into_missing_folder",
                "render " + dataFile("first_steps.vkst") + " 2 /nonexistent/folder/out.png", 1},
        Failure{"unknown_flag",
                "replay " + dataFile("first_steps.vkst") + " 2 " + dataFile("first_steps.vkrp") +
                    " --all",
                2}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
