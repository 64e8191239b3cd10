// vantoki-cli as a stage designer runs it: the program itself, on small hand-made files, and every
// way its command line can be misused.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

#include <unistd.h>

#include "cli_run.h"
#include "io_test_files.h"

namespace {

using vantoki::runCli;
using vantoki::runCliForErrors;
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

// Every way the command line can be misused, in one table: wrong usage exits 2 with one line
// naming what is wrong (followed, when the line does not fit the usage, by a hint to --help),
// before any file is read (the {none} files do not exist); a file that cannot be read or written
// exits 1 with a line saying why. Either way nothing goes to standard output and nothing is
// written in {out}.
struct Misuse {
  const char* name;
  std::string arguments;
  int status;
  std::string says;  // how standard error begins after "vantoki-cli: ", all but the end of its
                     // last line
};

// What a command line that does not fit the usage is told.
std::string misfit(const std::string& what) {
  return what + "\nTry 'vantoki-cli --help' for the usage.";
}

void PrintTo(const Misuse& misuse, std::ostream* out) {
  *out << misuse.name;
}

class CliMisuseTest : public ::testing::TestWithParam<Misuse> {
 protected:
  std::string filled(std::string text) const {
    using Mark = std::pair<std::string_view, std::string>;
    for (const auto& [mark, value] :
         {Mark{"{stages}", dataFile("first_steps.vkst")},
          Mark{"{replay}", dataFile("first_steps.vkrp")}, Mark{"{none}", dataFile("nothing")},
          Mark{"{out}", out_.path().string()}}) {
      for (std::size_t at; (at = text.find(mark)) != std::string::npos;) {
        text.replace(at, mark.size(), value);
      }
    }
    return text;
  }

  vantoki::TempDir out_;
};

TEST_P(CliMisuseTest, ExitsWithItsStatusSaysWhyAndWritesNothing) {
  const Misuse& misuse = GetParam();
  const std::string arguments = filled(misuse.arguments);
  const RunResult output = runCli(arguments);
  EXPECT_EQ(output.status, misuse.status);
  EXPECT_EQ(output.output, "");
  const RunResult errors = runCliForErrors(arguments);
  EXPECT_TRUE(errors.output.starts_with("vantoki-cli: " + filled(misuse.says))) << errors.output;
  const auto lines = [](const std::string& text) { return std::ranges::count(text, '\n'); };
  EXPECT_EQ(lines(errors.output), lines(misuse.says) + 1) << errors.output;
  EXPECT_TRUE(out_.entries().empty());
}

constexpr const char* kStageRange = "STAGE must be a stage number from 1 to 10, not ";

INSTANTIATE_TEST_SUITE_P(
    Cases, CliMisuseTest,
    ::testing::Values(
        Misuse{"no_command", "", 2,
               misfit("missing command (check, replay, render, verify, solve, generate)")},
        Misuse{"unknown_command", "play {stages}", 2, misfit("unknown command 'play'")},
        Misuse{"unknown_option_before_the_command", "--bogus check {stages}", 2,
               misfit("unknown option '--bogus'")},
        Misuse{"check_without_file", "check", 2, misfit("missing STAGEFILE")},
        Misuse{"check_with_an_argument_too_many", "check {stages} {replay}", 2,
               misfit("unexpected argument '{replay}'")},
        Misuse{"replay_with_an_unknown_flag", "replay {stages} 2 {replay} --all", 2,
               misfit("unknown option '--all'")},
        Misuse{"render_without_picture", "render {stages} 2", 2, misfit("missing PICTURE")},
        Misuse{"verify_without_replay", "verify {stages}", 2, misfit("missing REPLAY")},
        Misuse{"solve_without_stage", "solve {stages}", 2, misfit("missing STAGE")},
        Misuse{"solve_with_an_unknown_option", "solve {stages} 1 --fast 1", 2,
               misfit("unknown option '--fast'")},
        Misuse{"solve_option_without_value", "solve {stages} 1 --max-turns", 2,
               misfit("missing value for '--max-turns'")},
        Misuse{"generate_without_output", "generate", 2, misfit("missing OUT.vkst")},
        Misuse{"generate_with_an_unknown_option", "generate {out}/set.vkst --size 3", 2,
               misfit("unknown option '--size'")},
        Misuse{"generate_option_without_value", "generate {out}/set.vkst --seed", 2,
               misfit("missing value for '--seed'")},

        Misuse{"replay_stage_zero", "replay {none}.vkst 0 {none}.vkrp", 2,
               kStageRange + std::string("\"0\"")},
        Misuse{"replay_stage_eleven", "replay {none}.vkst 11 {none}.vkrp", 2,
               kStageRange + std::string("\"11\"")},
        Misuse{"render_stage_not_a_number", "render {none}.vkst 1x {out}/stage.png", 2,
               kStageRange + std::string("\"1x\"")},
        Misuse{"render_stage_eleven", "render {none}.vkst 11 {out}/stage.png", 2,
               kStageRange + std::string("\"11\"")},
        // A picture of another format under that name would mislead whatever opens it.
        Misuse{"render_a_gif", "render {none}.vkst 2 {out}/stage.gif", 2,
               "PICTURE must be a .png, .jpg or .jpeg file, not \"{out}/stage.gif\""},
        Misuse{"render_without_extension", "render {none}.vkst 2 {out}/stage", 2,
               "PICTURE must be a .png, .jpg or .jpeg file, not \"{out}/stage\""},
        Misuse{"solve_stage_eleven", "solve {none}.vkst 11", 2,
               kStageRange + std::string("\"11\"")},
        Misuse{"solve_zero_turns", "solve {none}.vkst 1 --max-turns 0", 2,
               "--max-turns must be a number from 1 to 500, not \"0\""},
        Misuse{"solve_more_turns_than_a_replay_holds", "solve {none}.vkst 1 --max-turns 501", 2,
               "--max-turns must be a number from 1 to 500, not \"501\""},
        Misuse{"solve_states_not_a_number", "solve {none}.vkst 1 --max-states x", 2,
               "--max-states must be a number from 1 to 1000000000, not \"x\""},
        // The most memory allowed is the machine's, so only the start of the line is known.
        Misuse{"solve_no_memory", "solve {none}.vkst 1 --max-memory 0", 2,
               "--max-memory must be a size from 1M to "},
        Misuse{"solve_unknown_memory_unit", "solve {none}.vkst 1 --max-memory 4T", 2,
               "--max-memory must be a size from 1M to "},
        Misuse{"solve_more_memory_than_the_machine", "solve {none}.vkst 1 --max-memory 1048576G", 2,
               "--max-memory must be a size from 1M to "},
        Misuse{"solve_empty_out", "solve {none}.vkst 1 --out ''", 2,
               "--out must be a path, not \"\""},
        Misuse{"generate_empty_output", "generate ''", 2, "OUT.vkst must be a path, not \"\""},
        Misuse{"generate_no_stages", "generate {out}/set.vkst --stages 0", 2,
               "--stages must be a number from 1 to 10, not \"0\""},
        Misuse{"generate_eleven_stages", "generate {out}/set.vkst --stages 11", 2,
               "--stages must be a number from 1 to 10, not \"11\""},
        Misuse{"generate_negative_seed", "generate {out}/set.vkst --seed -1", 2,
               "--seed must be a number from 0 to 9223372036854775807, not \"-1\""},
        Misuse{"generate_seed_with_letters", "generate {out}/set.vkst --seed 12ab", 2,
               "--seed must be a number from 0 to 9223372036854775807, not \"12ab\""},
        Misuse{"generate_more_turns_than_a_replay_holds", "generate {out}/set.vkst --min-turns 501",
               2, "--min-turns must be a number from 1 to 500, not \"501\""},
        Misuse{"generate_no_candidates", "generate {out}/set.vkst --candidates 0", 2,
               "--candidates must be a number from 1 to 10000000, not \"0\""},
        Misuse{"generate_no_time", "generate {out}/set.vkst --time-limit 0", 2,
               "--time-limit must be a number from 1 to 604800, not \"0\""},
        Misuse{"generate_no_threads", "generate {out}/set.vkst --threads 0", 2,
               "--threads must be a number from 1 to 64, not \"0\""},
        Misuse{"generate_too_few_boards", "generate {out}/set.vkst --max-boards 10", 2,
               "--max-boards must be a number from 1000 to 100000000, not \"10\""},

        Misuse{"check_missing_stage_file", "check {none}.vkst", 1,
               "{none}.vkst: cannot open: No such file or directory"},
        Misuse{"check_a_replay_as_stage_file", "check {replay}", 1,
               "{replay}: the file has 3 lines, 161 expected"},
        Misuse{"verify_a_replay_as_stage_file", "verify {replay} {replay}", 1,
               "{replay}: the file has 3 lines, 161 expected"},
        Misuse{"solve_missing_stage_file", "solve {none}.vkst 1", 1,
               "{none}.vkst: cannot open: No such file or directory"},
        Misuse{"replay_missing_replay", "replay {stages} 2 {none}.vkrp", 1,
               "{none}.vkrp: cannot open: No such file or directory"},
        // Its first three lines read as the records of a replay, of another stage.
        Misuse{
            "replay_a_stage_file_as_replay", "replay {stages} 2 {stages}", 1,
            "warning: the replay was saved on \"STAGE 1\" of \"テストデータ\", not on "
            "\"はじめの一歩\" of \"テストデータ\"; playing it anyway\nvantoki-cli: {stages}: the "
            "move record has 45 characters, 501 expected"},
        Misuse{"render_into_a_missing_folder", "render {stages} 2 {out}/none/stage.png", 1,
               "{out}/none/stage.png: cannot create a file in its folder: No such file or "
               "directory"},
        // Refused before the search, which would print its outcome.
        Misuse{"solve_out_is_a_device", "solve {stages} 1 --out /dev/full", 1,
               "/dev/full: is not a regular file, so it is not replaced"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
