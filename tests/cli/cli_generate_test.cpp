// vantoki-cli generate as a stage designer runs it: bad values are refused before anything is
// searched or written, a short run writes a set whose replays verify, and the same seed writes
// the same bytes on one thread or two.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "cli_run.h"

namespace {

using vantoki::runCli;
using vantoki::runCliForErrors;
using vantoki::RunResult;

std::string readBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

class CliGenerateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("vantoki_generate_" + std::to_string(getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string path(const char* name) const { return (folder_ / name).string(); }

  std::filesystem::path folder_;
};

constexpr const char* kShortRun =
    " --seed 5 --stages 2 --candidates 16 --min-turns 8 --max-boards 20000";

TEST_F(CliGenerateTest, WritesASetWhoseReplaysVerifyAndTheSameBytesOnEveryThreadCount) {
  const RunResult one = runCliForErrors("generate " + path("one.vkst") + kShortRun +
                                        " --threads 1 --replays " + path("replays"));
  // Standard error is no terminal here, so no progress line is drawn.
  EXPECT_EQ(one.output, "");
  EXPECT_EQ(one.status, 0);
  EXPECT_EQ(runCli("generate " + path("two.vkst") + kShortRun + " --threads 2").status, 0);
  const std::string bytes = readBytes(path("one.vkst"));
  EXPECT_FALSE(bytes.empty());
  EXPECT_EQ(readBytes(path("two.vkst")), bytes);
  const RunResult verified = runCli("verify " + path("one.vkst") + " " + path("replays"));
  EXPECT_EQ(verified.status, 0);
  EXPECT_NE(verified.output.find("stage01.vkrp 1 "), std::string::npos);
  EXPECT_NE(verified.output.find("verified: 2 cleared, 0 failed"), std::string::npos);
}

TEST_F(CliGenerateTest, WritesNothingAndFailsWhenNoStageIsLongEnough) {
  const RunResult result = runCliForErrors("generate " + path("none.vkst") +
                                           " --seed 5 --stages 1 --candidates 8 --min-turns 500"
                                           " --max-boards 20000 --replays " +
                                           path("replays"));
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.output.find("no stage reached 500 turns"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(path("none.vkst")));
  EXPECT_FALSE(std::filesystem::exists(path("replays")));
}

struct Refusal {
  const char* name;
  const char* options;
  int status;
  const char* message;  // part of what standard error says; empty for the usage
};

void PrintTo(const Refusal& refusal, std::ostream* out) {
  *out << refusal.name;
}

class CliGenerateRefusalTest : public CliGenerateTest,
                               public ::testing::WithParamInterface<Refusal> {};

TEST_P(CliGenerateRefusalTest, RefusesAndWritesNothing) {
  const Refusal& refusal = GetParam();
  const RunResult result = runCliForErrors("generate " + path("out.vkst") + refusal.options);
  EXPECT_EQ(result.status, refusal.status);
  const std::string expected = *refusal.message == '\0' ? "usage: vantoki-cli" : refusal.message;
  EXPECT_NE(result.output.find(expected), std::string::npos) << result.output;
  EXPECT_FALSE(std::filesystem::exists(path("out.vkst")));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliGenerateRefusalTest,
    ::testing::Values(
        Refusal{"stages_zero", " --stages 0", 2, "--stages must be a number from 1 to 10"},
        Refusal{"stages_eleven", " --stages 11", 2, "--stages must be a number from 1 to 10"},
        Refusal{"negative_seed", " --seed -1", 2, "--seed must be a number from 0 to"},
        Refusal{"seed_with_letters", " --seed 12ab", 2, "not \"12ab\""},
        Refusal{"min_turns_past_a_play", " --min-turns 501", 2,
                "--min-turns must be a number from 1 to 500"},
        Refusal{"no_candidates", " --candidates 0", 2, "--candidates must be a number from 1"},
        Refusal{"time_limit_zero", " --time-limit 0", 2, "--time-limit must be a number from 1"},
        Refusal{"no_threads", " --threads 0", 2, "--threads must be a number from 1 to 64"},
        Refusal{"tiny_board_cap", " --max-boards 10", 2, "--max-boards must be a number from 1000"},
        Refusal{"unknown_option", " --size 3", 2, ""},
        Refusal{"option_without_value", " --seed", 2, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliGenerateUsageTest, NeedsAnOutputFile) {
  EXPECT_EQ(runCli("generate").status, 2);
}

}  // namespace
