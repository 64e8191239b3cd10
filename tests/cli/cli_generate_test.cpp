// vantoki-cli generate as a stage designer runs it: destinations that cannot be written are
// refused before anything is searched or written, a short run writes a set whose replays verify,
// and the same seed writes the same bytes on one thread or two. Bad values are with the rest of
// the command line's misuse in cli_test.cpp.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

#include <unistd.h>

#include "cli_run.h"
#include "io_test_files.h"

namespace {

using vantoki::readBytes;
using vantoki::runCli;
using vantoki::runCliForErrors;
using vantoki::runCliRedirected;
using vantoki::RunResult;
using vantoki::TempDir;

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

// Enough candidates for each stage's search to go on from its best room by local changes.
constexpr const char* kShortRun =
    " --seed 5 --stages 4 --candidates 26 --min-turns 8 --max-boards 1000";

// generated_seed5.vkst is what kShortRun writes. Regenerate it only when the generator is meant to
// make other stages, with `vantoki-cli generate tests/data/generated_seed5.vkst` and the options
// of kShortRun, and say in the commit why the stages changed.
TEST_F(CliGenerateTest, WritesTheKnownSetOnEveryThreadCountAndReplaysThatVerify) {
  const RunResult one = runCliForErrors("generate " + path("one.vkst") + kShortRun +
                                        " --threads 1 --replays " + path("replays"));
  // Standard error is no terminal here: the progress comes as plain lines, the first at once, and
  // nothing else is said.
  EXPECT_TRUE(one.output.starts_with("generate: stage 1/4, candidates 8/104, ")) << one.output;
  EXPECT_TRUE(one.output.ends_with("\n")) << one.output;
  std::istringstream lines(one.output);
  for (std::string line; std::getline(lines, line);) {
    EXPECT_TRUE(line.starts_with("generate: stage ")) << line;
    EXPECT_EQ(line.find('\r'), std::string::npos) << line;
  }
  EXPECT_EQ(one.status, 0);
  EXPECT_EQ(runCli("generate " + path("two.vkst") + kShortRun + " --threads 2").status, 0);
  const std::string known =
      readBytes(std::filesystem::path(VANTOKI_TEST_DATA_DIR) / "generated_seed5.vkst");
  EXPECT_EQ(readBytes(path("one.vkst")), known);
  EXPECT_EQ(readBytes(path("two.vkst")), known);
  const RunResult verified = runCli("verify " + path("one.vkst") + " " + path("replays"));
  EXPECT_EQ(verified.status, 0);
  EXPECT_NE(verified.output.find("stage01.vkrp 1 "), std::string::npos);
  EXPECT_NE(verified.output.find("verified: 4 cleared, 0 failed"), std::string::npos);
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

// A destination that cannot be written is refused before the search: the refusal is all that is
// printed, with no summary of candidates searched, and nothing is made. In DIR (REL when spelt
// relative to the working folder) are a file, a folder "rd" holding an earlier stage01.vkrp and a
// folder stage02.vkrp, a link "link" to "rd", and a folder "ro" that nobody may write in; and
// links that lead nowhere: "rl/stage01.vkrp" to "set.vkst", "rl/stage02.vkrp" to
// "rl/stage03.vkrp", "to-replay.vkst" to "rd/stage03.vkrp" and "nowhere" to a missing folder.
struct Destination {
  const char* name;
  std::string arguments;  // after the options of a short run, so a --stages here counts
  std::string refusal;
  bool asNobody = false;
};

void PrintTo(const Destination& destination, std::ostream* out) {
  *out << destination.name;
}

class CliGenerateDestinationTest : public ::testing::TestWithParam<Destination> {
 protected:
  void SetUp() override {
    vantoki::writeBytes(dir_ / "file", "text");
    std::filesystem::create_directories(dir_ / "rd" / "stage02.vkrp");
    vantoki::writeBytes(dir_ / "rd" / "stage01.vkrp", "old");
    std::filesystem::create_directory_symlink("rd", dir_ / "link");
    std::filesystem::create_directory(dir_ / "ro");
    std::filesystem::create_directory(dir_ / "rl");
    std::filesystem::create_symlink("../set.vkst", dir_ / "rl" / "stage01.vkrp");
    std::filesystem::create_symlink("stage03.vkrp", dir_ / "rl" / "stage02.vkrp");
    std::filesystem::create_symlink("rd/stage03.vkrp", dir_ / "to-replay.vkst");
    std::filesystem::create_symlink("gone/replays", dir_ / "nowhere");
    std::filesystem::permissions(dir_.path(), std::filesystem::perms::all);  // for nobody
  }

  std::set<std::string> tree() const {
    std::set<std::string> paths;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir_.path())) {
      paths.insert(entry.path().string());
    }
    return paths;
  }

  std::string withDir(std::string text) const {
    const std::filesystem::path relative =
        std::filesystem::relative(dir_.path(), std::filesystem::current_path());
    using Mark = std::pair<std::string_view, std::string>;
    for (const auto& [mark, path] : {Mark{"REL", relative.string()}, Mark{"DIR", dir_.path()}}) {
      for (std::size_t at = text.find(mark); at != std::string::npos;
           at = text.find(mark, at + path.size())) {
        text.replace(at, mark.size(), path);
      }
    }
    return text;
  }

  TempDir dir_;
};

TEST_P(CliGenerateDestinationTest, IsRefusedBeforeTheSearchAndNothingIsMade) {
  const Destination& destination = GetParam();
  const std::set<std::string> before = tree();
  const std::string arguments =
      "generate --seed 5 --stages 1 --candidates 2 --min-turns 1 --max-boards 1000 " +
      withDir(destination.arguments);
  const std::string expected = "vantoki-cli: " + withDir(destination.refusal) + "\n";
  const auto refused = [&] {
    const RunResult result = runCliRedirected(arguments, "2>&1");
    EXPECT_EQ(result.output, expected);
    EXPECT_EQ(result.status, 1);
    return result.status == 1 && result.output == expected;
  };
  const std::optional<bool> done = destination.asNobody
                                       ? vantoki::succeedsWithoutWriteAccess(dir_ / "ro", refused)
                                       : std::optional<bool>(refused());
  if (!done) {
    GTEST_SKIP() << "no user here lacks write access";
  }
  EXPECT_TRUE(*done);
  EXPECT_EQ(tree(), before);
  EXPECT_EQ(readBytes(dir_ / "rd" / "stage01.vkrp"), "old");
}

constexpr const char* kNotRegular = ": is not a regular file, so it is not replaced";
constexpr const char* kOtherFile = " is written; write the stage set to another file";

INSTANTIATE_TEST_SUITE_P(
    Cases, CliGenerateDestinationTest,
    ::testing::Values(
        Destination{
            "missing_folder", "DIR/no/set.vkst",
            "DIR/no/set.vkst: cannot create a file in its folder: No such file or directory"},
        Destination{"folder", "DIR/rd", "DIR/rd: is a folder, not a file"},
        Destination{"full_device", "/dev/full", std::string("/dev/full") + kNotRegular},
        Destination{"null_device", "/dev/null", std::string("/dev/null") + kNotRegular},
        Destination{"replays_a_file", "DIR/set.vkst --replays DIR/file",
                    "DIR/file: cannot make the folder: Not a directory"},
        Destination{"replays_not_writable", "DIR/set.vkst --replays DIR/ro",
                    "DIR/ro/stage01.vkrp: cannot create a file in its folder: Permission denied",
                    true},
        Destination{"replays_parent_not_writable", "DIR/set.vkst --replays DIR/ro/new/deeper",
                    "DIR/ro/new/deeper: cannot make the folder: Permission denied", true},
        Destination{"a_later_replay_a_folder", "DIR/set.vkst --replays DIR/rd --stages 2",
                    "DIR/rd/stage02.vkrp: is a folder, not a file"},
        Destination{
            "set_is_a_replay", "DIR/rd/stage01.vkrp --replays DIR/rd",
            std::string("DIR/rd/stage01.vkrp: is where the replay of stage 1") + kOtherFile},
        Destination{
            "set_is_a_replay_through_a_link",
            "DIR/link/stage03.vkrp --replays DIR/./rd/ --stages 3",
            std::string("DIR/link/stage03.vkrp: is where the replay of stage 3") + kOtherFile},
        Destination{
            "set_is_a_replay_spelt_relative", "REL/rd/./stage04.vkrp --replays DIR/rd --stages 4",
            std::string("REL/rd/./stage04.vkrp: is where the replay of stage 4") + kOtherFile},
        Destination{"set_is_the_replays_folder_to_make", "DIR/new --replays DIR/new/sub",
                    "DIR/new: is where --replays makes its folder; write the stage set to "
                    "another file"},
        Destination{"replay_a_link_to_the_set_to_be", "DIR/set.vkst --replays DIR/rl",
                    std::string("DIR/set.vkst: is where the replay of stage 1") + kOtherFile},
        Destination{"set_a_link_to_a_replay_to_be",
                    "DIR/to-replay.vkst --replays DIR/rd --stages 3",
                    std::string("DIR/to-replay.vkst: is where the replay of stage 3") + kOtherFile},
        Destination{"two_replays_in_one_file", "DIR/other.vkst --replays DIR/rl --stages 3",
                    "DIR/rl/stage02.vkrp: is where the replay of stage 3 is written too"},
        Destination{"replays_a_link_to_nothing", "DIR/set.vkst --replays DIR/nowhere/sub",
                    "DIR/nowhere/sub: cannot make the folder: DIR/nowhere is a symbolic link "
                    "that leads nowhere"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
