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
  };
  const Case cases[] = {
      {{}, Request::Play, nullptr},
      {{"stages.vkst"}, Request::Play, "stages.vkst"},
      {{"--help"}, Request::Help, nullptr},
      {{"stages.vkst", "--version"}, Request::Version, nullptr},
      {{"--version", "--help"}, Request::Help, nullptr},
      {{"a.vkst", "b.vkst"}, Request::Misuse, nullptr},
      {{"--fullscreen"}, Request::Misuse, nullptr},
      {{"-x"}, Request::Misuse, nullptr},
      {{""}, Request::Misuse, nullptr},
      // The toolkit's own options, with their values, are the toolkit's.
      {{"-style", "fusion", "a.vkst", "--platform=offscreen", "-reverse"}, Request::Play, "a.vkst"},
      {{"-platform"}, Request::Play, nullptr},
      // After "--" every argument is a stage file name.
      {{"--"}, Request::Play, nullptr},
      {{"--", "-x.vkst"}, Request::Play, "-x.vkst"},
      {{"--", "--help"}, Request::Play, "--help"},
  };
  for (const Case& test : cases) {
    const CommandLine read = readCommandLine(test.arguments);
    EXPECT_EQ(read.request, test.request) << test.arguments.size() << " arguments";
    EXPECT_EQ(read.stageFile.has_value(), test.stageFile != nullptr);
    if (test.stageFile != nullptr && read.stageFile) {
      EXPECT_EQ(*read.stageFile, std::filesystem::path(test.stageFile));
    }
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

// Without a display the program answers --help and --version, refuses a misuse with its usage
// and exit status 2, and says plainly that it needs a display, with exit status 1.
TEST(CommandLineTest, WithoutADisplayAnswersOrSaysWhy) {
  struct Case {
    const char* arguments;
    int status;
    const char* outputStart;
  };
  const Case cases[] = {
      {"--version", 0, "Vantoki 1.2.0\n"},
      {"--help", 0, "Usage: vantoki [STAGEFILE]\n"},
      {"", 1, "vantoki: no display can be reached; start the game in an X11 or Wayland session\n"},
      {"--", 1,
       "vantoki: no display can be reached; start the game in an X11 or Wayland session\n"},
      {"-style fusion", 1,
       "vantoki: no display can be reached; start the game in an X11 or Wayland session\n"},
      {"-x", 2, "Usage: vantoki [STAGEFILE]\n"},
      {"one.vkst two.vkst", 2, "Usage: vantoki [STAGEFILE]\n"},
      {"''", 2, "vantoki: the stage file name is empty\nUsage: vantoki [STAGEFILE]\n"},
  };
  for (const Case& run : cases) {
    int status = -1;
    const std::string output = outputOf(std::string(run.arguments) + " 2>&1", status);
    EXPECT_TRUE(output.starts_with(run.outputStart)) << run.arguments << ": " << output;
    EXPECT_TRUE(WIFEXITED(status)) << run.arguments;
    EXPECT_EQ(WEXITSTATUS(status), run.status) << run.arguments;
  }
}

}  // namespace
}  // namespace vantoki
