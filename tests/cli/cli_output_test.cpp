// What vantoki-cli prints and writes whatever it is given: names from files made printable,
// output that could not be written reported, the stage file never written over, pictures saved
// under the path exactly as given. Misuse of the command line is tested in cli_test.cpp.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <utility>

#include "cli_run.h"
#include "core/stage_set.h"
#include "core/tile.h"
#include "io/replay_file.h"
#include "io/stage_data_file.h"
#include "io_test_files.h"
#include "platform/version.h"

namespace vantoki {
namespace {

const std::filesystem::path kStageDir = VANTOKI_STAGE_DATA_DIR;
const std::filesystem::path kReplayDir = VANTOKI_REPLAY_DATA_DIR;
const std::string kStageFile = (kStageDir / "vantoki.vkst").string();
const std::string kReplayFile = (kReplayDir / "stage01.vkrp").string();

// Single quotes keep every byte of a path from the shell.
std::string quoted(const std::filesystem::path& path) {
  std::string text = "'";
  text += path.string();
  return text + "'";
}

class CliFullOutputTest : public ::testing::TestWithParam<std::string> {};

TEST_P(CliFullOutputTest, FailsWhenItsOutputCannotBeWritten) {
  const RunResult written = runCli(GetParam());
  ASSERT_EQ(written.status, 0);
  ASSERT_FALSE(written.output.empty());
  const RunResult full = runCliRedirected(GetParam(), "2>&1 >/dev/full");
  EXPECT_EQ(full.status, 1);
  EXPECT_EQ(full.output, "vantoki-cli: cannot write to standard output\n");
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CliFullOutputTest,
    ::testing::Values("check " + kStageFile, "verify " + kStageFile + " " + kReplayFile,
                      "replay " + kStageFile + " 1 " + kReplayFile + " --boards",
                      "solve " + kStageFile + " 1"),
    [](const auto& info) { return info.param.substr(0, info.param.find(' ')); });

TEST(CliHelpTest, PrintsTheUsageAndSucceeds) {
  const RunResult help = runCli("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(help.output.starts_with("usage: vantoki-cli check STAGEFILE\n")) << help.output;
  EXPECT_NE(help.output.find("--max-memory SIZE"), std::string::npos);
  EXPECT_EQ(runCliForErrors("--help").output, "");
}

TEST(CliHelpTest, SaysWhatEachCommandDoes) {
  const std::string help = runCli("--help").output;
  for (const std::string command : {"check", "replay", "render", "verify", "solve", "generate"}) {
    const std::size_t listed = help.find("\n  " + command + " ");
    ASSERT_NE(listed, std::string::npos) << command;
    const std::string line = help.substr(listed + 1, help.find('\n', listed + 1) - listed - 1);
    EXPECT_NE(line.find_first_not_of(' ', 2 + command.size()), std::string::npos) << line;
  }
}

// The boards of replay --boards are bare tile codes, which scripts read, so the help is where
// they are explained: every code the shipped solutions show, a piece's as "NN name", an arrow
// block's by the range of codes.
TEST(CliHelpTest, ExplainsEveryTileCodeTheBoardsShow) {
  const std::string help = runCli("--help").output;
  std::set<int> codes;
  for (int stage = 1; stage <= kStageCount; ++stage) {
    char replay[16];
    std::snprintf(replay, sizeof replay, "stage%02d.vkrp", stage);
    std::istringstream boards(runCli("replay " + kStageFile + " " + std::to_string(stage) + " " +
                                     (kReplayDir / replay).string() + " --boards")
                                  .output);
    for (std::string line; std::getline(boards, line);) {
      std::istringstream row(line);
      for (std::string code; !line.starts_with("turn") && std::getline(row, code, ',');) {
        codes.insert(std::stoi(code));
      }
    }
  }
  ASSERT_TRUE(codes.contains(code(Tile::Star)));
  for (const int code : codes) {
    char number[8];
    std::snprintf(number, sizeof number, " %02d ", code);
    const std::size_t named = help.find(number);
    const bool explained = code >= kArrowBlockFirstCode && code < kArrowBlockEndCode
                               ? help.find(" 10 to 89 arrow block") != std::string::npos
                               : named != std::string::npos &&
                                     std::isalpha(static_cast<unsigned char>(help[named + 4]));
    EXPECT_TRUE(explained) << code;
  }
}

TEST(CliHelpTest, EveryCommandsHelpIsTheUsageAndTheVersionIsTheProjects) {
  for (const char* command : {"check", "replay", "render", "verify", "solve", "generate"}) {
    const RunResult help = runCli(std::string(command) + " --help");
    EXPECT_EQ(help.status, 0) << command;
    EXPECT_EQ(help.output, runCli("--help").output) << command;
  }
  const RunResult version = runCli("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.output, "vantoki-cli " + std::string(kVersion) + "\n");
}

// Names that would clear the screen, set the window title, ring the bell and cut a C string
// short; in a file name also a C1 control (U+009B, CSI) and a byte that is not UTF-8.
const std::string kDataSetName = "set\x1b]0;title\x07";
const std::string kStageName = std::string("A\x1b[2JB\0C", 8);
const std::string kReplayStageName = "\x1b[31mred";
const std::string kReplayName = "r\x1b[2J\xc2\x9b\xff.vkrp";

class CliEscapeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StageSet set = initialStageSet();
    set.dataSetName = kDataSetName;
    set.stageNames[0] = kStageName;
    ASSERT_EQ(writeStageDataFile(dir_ / "names.vkst", set), std::nullopt);
    std::filesystem::create_directory(dir_ / "replays");
    ASSERT_EQ(
        writeReplayFile(dir_ / "replays" / kReplayName, "other", kReplayStageName, MoveLog{}, 1),
        std::nullopt);
  }

  std::string stageFile() const { return quoted(dir_ / "names.vkst"); }
  std::string replays() const { return quoted(dir_ / "replays"); }
  std::string replay() const { return quoted(dir_ / "replays" / kReplayName); }

  TempDir dir_;
};

bool holdsControlCharacters(const std::string& text) {
  return std::any_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte < 0x20 && byte != '\n') || byte == 0x7F;
  });
}

TEST_F(CliEscapeTest, NamesAndPathsPrintTheirControlCharactersEscaped) {
  struct Case {
    RunResult run;
    std::string expected;
  };
  const Case cases[] = {
      {runCli("check " + stageFile()), "data set: set\\x1b]0;title\\x07\n"},
      {runCli("check " + stageFile()), ", name A\\x1b[2JB\\x00C\n"},
      {runCliForErrors("replay " + stageFile() + " 1 " + replay()),
       "the replay was saved on \"\\x1b[31mred\" of \"other\", not on "
       "\"A\\x1b[2JB\\x00C\""},
      {runCli("verify " + stageFile() + " " + replays()),
       "FAILED   " + (dir_ / "replays").string() +
           "/r\\x1b[2J\\xc2\\x9b\\xff.vkrp no stage named \"\\x1b[31mred\"\n"},
      {runCliForErrors("verify " + stageFile() + " " + replays()), "set\\x1b]0;title\\x07"},
  };
  for (const Case& check : cases) {
    EXPECT_NE(check.run.output.find(check.expected), std::string::npos) << check.expected << " in\n"
                                                                        << check.run.output;
    EXPECT_FALSE(holdsControlCharacters(check.run.output)) << check.run.output;
  }
}

class CliOverwriteTest : public ::testing::TestWithParam<std::string> {};

// The arguments name the stage file "stages.vkst" and a link to it "link.vkst", in a folder of
// their own.
TEST_P(CliOverwriteTest, RefusesToWriteOverTheStageFile) {
  const TempDir dir;
  const std::string original = readBytes(kStageFile);
  writeBytes(dir / "stages.vkst", original);
  std::filesystem::create_symlink("stages.vkst", dir / "link.vkst");
  std::string arguments = GetParam();
  for (std::size_t at; (at = arguments.find("DIR")) != std::string::npos;) {
    arguments.replace(at, 3, dir.path().string());
  }
  const RunResult result = runCliForErrors(arguments);
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.output.find("is the stage file being read"), std::string::npos) << result.output;
  EXPECT_EQ(readBytes(dir / "stages.vkst"), original);
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.vkst"));
  EXPECT_EQ(dir.entries(), (std::set<std::string>{"link.vkst", "stages.vkst"}));
}

INSTANTIATE_TEST_SUITE_P(Commands, CliOverwriteTest,
                         ::testing::Values("solve DIR/stages.vkst 1 --out DIR/stages.vkst",
                                           "solve DIR/stages.vkst 1 --out DIR/link.vkst",
                                           "render DIR/stages.vkst 1 DIR/stages.vkst",
                                           "render DIR/link.vkst 1 DIR/./stages.vkst"),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

// A picture the disk cannot take is one line naming it and why; what the failed save leaves on
// the disk is the atomic writer's to test.
TEST(CliRenderTest, AFailedWriteIsOneLineNamingThePicture) {
  const TempDir dir;
  const std::filesystem::path out = dir / "stage.png";
  EXPECT_TRUE(succeedsWithFileSizeLimit(4096, [&] {
    const RunResult result = runCliForErrors("render " + kStageFile + " 9 " + quoted(out));
    // Exactly this line: a sanitizer's report of a leak would add more.
    return result.status == 1 &&
           result.output == "vantoki-cli: " + out.string() + ": cannot write: File too large\n";
  }));
}

// The JPEG's frame header gives its size: 8 bits, 600 rows of 600 pixels, 3 components.
TEST(CliRenderTest, WritesTheFormatThePicturesNameAsks) {
  const std::string png = "\x89PNG\r\n\x1a\n";
  const std::string jpeg = "\xff\xd8\xff";
  const std::string jpegFrame("\xff\xc0\x00\x11\x08\x02\x58\x02\x58\x03", 10);
  const TempDir dir;
  for (const auto& [name, begins] :
       {std::pair{"stage.PNG", png}, std::pair{"stage.jpg", jpeg}, std::pair{"stage.JPEG", jpeg}}) {
    EXPECT_EQ(runCli("render " + kStageFile + " 1 " + quoted(dir / name)).status, 0) << name;
    const std::string picture = readBytes(dir / name);
    EXPECT_TRUE(picture.starts_with(begins)) << name;
    EXPECT_TRUE(begins == png || picture.find(jpegFrame) != std::string::npos) << name;
  }
}

// A copy of vantoki-cli in a folder of its own finds the picture maker beside it, or none. A
// maker that fails after writing part of a picture leaves nothing saved.
TEST(CliRenderTest, WithoutAWorkingPictureMakerNothingIsSavedAndTheLineSaysWhy) {
  for (const auto& [maker, says] :
       {std::pair<std::string, std::string>{"",
                                            "cannot start {dir}/vantoki-picture-maker: No "
                                            "such file or directory"},
        std::pair<std::string, std::string>{
            "#!/bin/sh\nprintf '\\211PNG'\nexit 1\n",
            "{dir}/vantoki-picture-maker failed to make the picture"}}) {
    const TempDir dir;
    std::filesystem::copy_file(VANTOKI_CLI_PATH, dir / "vantoki-cli");
    if (!maker.empty()) {
      writeBytes(dir / "vantoki-picture-maker", maker);
      std::filesystem::permissions(dir / "vantoki-picture-maker",
                                   std::filesystem::perms::owner_all);
    }
    const std::filesystem::path out = dir / "stage.png";
    const RunResult result = runProgramRedirected(
        quoted(dir / "vantoki-cli"), "render " + kStageFile + " 1 " + quoted(out), "2>&1");
    std::string expected = "vantoki-cli: " + out.string() + ": " + says + "\n";
    expected.replace(expected.find("{dir}"), 5, dir.path().string());
    EXPECT_EQ(result.status, 1) << maker;
    EXPECT_EQ(result.output, expected);
    EXPECT_FALSE(std::filesystem::exists(out)) << maker;
  }
}

TEST(CliRenderTest, ThePictureTakesTheBytesOfItsPathAsGiven) {
  for (const std::string name : {"caf\xe9.png", "\x83\x65\x83\x58\x83\x67.png"}) {
    const TempDir dir;
    EXPECT_EQ(runCli("render " + kStageFile + " 1 " + quoted(dir / name)).status, 0) << name;
    EXPECT_EQ(dir.entries(), std::set<std::string>{name});
    EXPECT_TRUE(readBytes(dir / name).starts_with("\x89PNG\r\n\x1a\n"));
  }
}

}  // namespace
}  // namespace vantoki
