#include "app/command_line.h"

#include <algorithm>
#include <array>
#include <vector>

#include "platform/version.h"

namespace vantoki {
namespace {

// The toolkit's options: those that take the next argument as their value, and the flags.
constexpr std::array<std::string_view, 14> kToolkitOptionsWithValue = {
    "platform",      "platformpluginpath",
    "platformtheme", "plugin",
    "qmljsdebugger", "qwindowgeometry",
    "qwindowicon",   "qwindowtitle",
    "session",       "display",
    "geometry",      "style",
    "stylesheet",    "name"};
constexpr std::array<std::string_view, 5> kToolkitFlags = {"reverse", "widgetcount", "nograb",
                                                           "dograb", "sync"};

// The name of an option written with one dash or two; empty for anything else.
std::string_view optionName(std::string_view argument) {
  if (!argument.starts_with("-") || argument == "-" || argument == "--") {
    return {};
  }
  argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
  return argument.substr(0, argument.find('='));
}

template <std::size_t N>
bool isOneOf(std::string_view name, const std::array<std::string_view, N>& names) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

CommandLine readCommandLine(std::span<const std::string_view> arguments) {
  std::vector<std::string_view> stageFiles;
  bool misused = false;
  bool help = false;
  bool version = false;
  for (std::size_t next = 0; next < arguments.size(); ++next) {
    const std::string_view argument = arguments[next];
    if (argument == "--") {
      stageFiles.insert(stageFiles.end(), arguments.begin() + next + 1, arguments.end());
      break;
    }
    const std::string_view name = optionName(argument);
    if (name.empty()) {
      stageFiles.push_back(argument);
    } else if (name == "help") {
      help = true;
    } else if (name == "version") {
      version = true;
    } else if (isOneOf(name, kToolkitOptionsWithValue)) {
      next += argument.find('=') == std::string_view::npos ? 1 : 0;
    } else if (!isOneOf(name, kToolkitFlags)) {
      misused = true;
    }
  }
  if (help) {
    return {CommandLine::Request::Help, std::nullopt, {}};
  }
  if (version) {
    return {CommandLine::Request::Version, std::nullopt, {}};
  }
  if (misused || stageFiles.size() > 1) {
    return {CommandLine::Request::Misuse, std::nullopt, {}};
  }
  if (stageFiles.empty()) {
    return {};
  }
  if (stageFiles.front().empty()) {
    return {CommandLine::Request::Misuse, std::nullopt, "the stage file name is empty"};
  }
  return {CommandLine::Request::Play, std::filesystem::path(stageFiles.front()), {}};
}

std::string usageText() {
  return "Usage: vantoki [STAGEFILE]\n"
         "Starts the Vantoki puzzle game; with STAGEFILE, a stage data file (*.vkst), the game\n"
         "opens that stage set. The game needs a display (an X11 or Wayland session).\n"
         "  --help     print this text and exit\n"
         "  --version  print the version and exit\n";
}

std::string versionText() {
  return std::string("Vantoki ") + kVersion + "\n";
}

}  // namespace vantoki
