// The game's own command line: what each form of it asks for, and that --help and --version
// answer without a display.
#include "app/command_line.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

namespace vantoki {
namespace {

using Request = CommandLine::Request;

TEST(CommandLineTest, EachFormAsksForItsOwnThing) {
  struct Case {
    std::vector<std::string_view> arguments;
    Request request;
    const char* stageFile;
    const char* replayFile;
  };
  const Case cases[] = {
      {{}, Request::Play, nullptr, nullptr},
      {{"stages.vkst"}, Request::Play, "stages.vkst", nullptr},
      {{"play.vkrp"}, Request::Play, nullptr, "play.vkrp"},
      {{"PLAY.VkRp"}, Request::Play, nullptr, "PLAY.VkRp"},
      {{"vkrp"}, Request::Play, "vkrp", nullptr},
      {{"--help"}, Request::Help, nullptr, nullptr},
      {{"stages.vkst", "--version"}, Request::Version, nullptr, nullptr},
      {{"--version", "--help"}, Request::Help, nullptr, nullptr},
      {{"--bogus", "--help"}, Request::Help, nullptr, nullptr},
      // The menu's launcher: its set only when no file is given.
      {{"--default-stages", "basic.vkst"}, Request::Play, "basic.vkst", nullptr},
      {{"--default-stages=basic.vkst", "mine.vkst"}, Request::Play, "mine.vkst", nullptr},
      {{"--default-stages", "basic.vkst", "play.vkrp"}, Request::Play, nullptr, "play.vkrp"},
      // The toolkit's own options, with their values, are the toolkit's.
      {{"-style", "fusion", "a.vkst", "--platform=offscreen", "-reverse"},
       Request::Play,
       "a.vkst",
       nullptr},
      {{"-platform"}, Request::Play, nullptr, nullptr},
      // After "--" every argument is a file name.
      {{"--"}, Request::Play, nullptr, nullptr},
      {{"--", "-x.vkst"}, Request::Play, "-x.vkst", nullptr},
      {{"--", "--help"}, Request::Play, "--help", nullptr},
  };
  for (const Case& test : cases) {
    const CommandLine read = readCommandLine(test.arguments);
    SCOPED_TRACE(test.arguments.empty() ? "no arguments" : test.arguments.back());
    EXPECT_EQ(read.request, test.request);
    EXPECT_EQ(read.stageFile,
              test.stageFile ? std::optional(std::filesystem::path(test.stageFile)) : std::nullopt);
    EXPECT_EQ(read.replayFile, test.replayFile
                                   ? std::optional(std::filesystem::path(test.replayFile))
                                   : std::nullopt);
  }
}

// A misuse names its first problem in a few words, and opens nothing.
TEST(CommandLineTest, EachMisuseNamesItsProblem) {
  struct Case {
    std::vector<std::string_view> arguments;
    const char* problem;
  };
  const Case cases[] = {
      {{"--bogus"}, "unknown option '--bogus'"},
      {{"-x=1", "--fullscreen"}, "unknown option '-x=1'"},
      {{"a.vkst", "b.vkrp", "c"}, "more than one file given: 'a.vkst', 'b.vkrp', 'c'"},
      {{"a.vkst", "--", "-b.vkst"}, "more than one file given: 'a.vkst', '-b.vkst'"},
      {{""}, "the stage file name is empty"},
      {{"--default-stages="}, "the stage file name is empty"},
      {{"--default-stages"}, "option '--default-stages' needs a stage data file"},
  };
  for (const Case& test : cases) {
    const CommandLine read = readCommandLine(test.arguments);
    EXPECT_EQ(read.request, Request::Misuse) << test.problem;
    EXPECT_EQ(read.problem, test.problem);
    EXPECT_FALSE(read.stageFile || read.replayFile) << test.problem;
  }
}

// The program itself, with no display and no platform named.
std::string outputOf(const std::string& arguments, int& status) {
  const std::string command =
      "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " VANTOKI_GAME_PATH " " + arguments;
  FILE* pipe = popen(command.c_str(), "r");
  std::string output;
  char buffer[256];
  while (pipe != nullptr && std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
    output += buffer;
  }
  status = pipe == nullptr ? -1 : pclose(pipe);
  return output;
}

// Without a display the program answers --help and --version, refuses a misuse with one line
// that names it, a pointer to --help and exit status 2, and says plainly that it needs a display,
// with exit status 1.
TEST(CommandLineTest, WithoutADisplayAnswersOrSaysWhy) {
  struct Case {
    const char* arguments;
    int status;
    const char* output;  // the whole of a misuse's, the start of the others'
  };
  const Case cases[] = {
      {"--version", 0, "Vantoki 1.2.0\n"},
      {"--help", 0, "Usage: vantoki [FILE]\n"},
      {"", 1, "vantoki: no display can be reached; start the game in an X11 or Wayland session\n"},
      {"--", 1,
       "vantoki: no display can be reached; start the game in an X11 or Wayland session\n"},
      {"-style fusion", 1,
       "vantoki: no display can be reached; start the game in an X11 or Wayland session\n"},
      {"-x", 2, "vantoki: unknown option '-x'\nTry 'vantoki --help' for more information.\n"},
      {"one.vkst two.vkst", 2,
       "vantoki: more than one file given: 'one.vkst', 'two.vkst'\n"
       "Try 'vantoki --help' for more information.\n"},
  };
  for (const Case& run : cases) {
    int status = -1;
    const std::string output = outputOf(std::string(run.arguments) + " 2>&1", status);
    EXPECT_TRUE(run.status == 2 ? output == run.output : output.starts_with(run.output))
        << run.arguments << ": " << output;
    EXPECT_TRUE(WIFEXITED(status)) << run.arguments;
    EXPECT_EQ(WEXITSTATUS(status), run.status) << run.arguments;
  }
}

}  // namespace
}  // namespace vantoki
