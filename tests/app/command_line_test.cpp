// The game's own command line: what each form of it asks for, and that --help and --version
// answer without a display.
#include "app/command_line.h"

#include <gtest/gtest.h>

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

TEST(CommandLineTest, HelpAndVersionNeedNoDisplay) {
  int status = -1;
  EXPECT_EQ(outputOf("--version", status), "Vantoki 1.2.0\n");
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(outputOf("--help", status).starts_with("Usage: vantoki [STAGEFILE]\n"));
  EXPECT_EQ(status, 0);
  EXPECT_EQ(outputOf("one.vkst two.vkst 2>/dev/null", status), "");
  EXPECT_NE(status, 0);
}

}  // namespace
}  // namespace vantoki
