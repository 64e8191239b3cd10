#include "app/command_line.h"

#include <algorithm>

#include "platform/version.h"

namespace vantoki {

CommandLine readCommandLine(std::span<const std::string_view> arguments) {
  const auto given = [&arguments](std::string_view option) {
    return std::find(arguments.begin(), arguments.end(), option) != arguments.end();
  };
  if (given("--help")) {
    return {CommandLine::Request::Help, std::nullopt};
  }
  if (given("--version")) {
    return {CommandLine::Request::Version, std::nullopt};
  }
  if (arguments.empty()) {
    return {};
  }
  if (arguments.size() > 1 || arguments.front().starts_with("-")) {
    return {CommandLine::Request::Misuse, std::nullopt};
  }
  return {CommandLine::Request::Play, std::filesystem::path(arguments.front())};
}

std::string usageText() {
  return "Usage: vantoki [STAGEFILE]\n"
         "Starts the Vantoki puzzle game; with STAGEFILE, a stage data file (*.vkst), the game\n"
         "opens that stage set.\n"
         "  --help     print this text and exit\n"
         "  --version  print the version and exit\n";
}

std::string versionText() {
  return std::string("Vantoki ") + kVersion + "\n";
}

}  // namespace vantoki
