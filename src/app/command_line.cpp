#include "app/command_line.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

#include "platform/version.h"

namespace vantoki {
namespace {

// The game's one option with a value: the set to open when no file is given.
constexpr std::string_view kDefaultStagesOption = "default-stages";

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

// A replay by its extension, in any case, as file managers match it; anything else is taken as
// a stage data file, whose load says plainly when it is not one.
bool isReplayFile(const std::filesystem::path& file) {
  std::string extension = file.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".vkrp";
}

}  // namespace

CommandLine readCommandLine(std::span<const std::string_view> arguments) {
  std::vector<std::string_view> files;
  std::optional<std::string_view> defaultStages;
  std::string problem;  // the first one met
  const auto misused = [&problem](std::string text) {
    if (problem.empty()) {
      problem = std::move(text);
    }
  };
  bool help = false;
  bool version = false;
  for (std::size_t next = 0; next < arguments.size(); ++next) {
    const std::string_view argument = arguments[next];
    if (argument == "--") {
      files.insert(files.end(), arguments.begin() + next + 1, arguments.end());
      break;
    }
    const std::string_view name = optionName(argument);
    const std::size_t equals = argument.find('=');
    if (name.empty()) {
      files.push_back(argument);
    } else if (name == "help") {
      help = true;
    } else if (name == "version") {
      version = true;
    } else if (name == kDefaultStagesOption) {
      if (equals != std::string_view::npos) {
        defaultStages = argument.substr(equals + 1);
      } else if (next + 1 < arguments.size()) {
        defaultStages = arguments[++next];
      } else {
        misused("option '--" + std::string(kDefaultStagesOption) + "' needs a stage data file");
      }
    } else if (isOneOf(name, kToolkitOptionsWithValue)) {
      next += equals == std::string_view::npos ? 1 : 0;
    } else if (!isOneOf(name, kToolkitFlags)) {
      misused("unknown option '" + std::string(argument) + "'");
    }
  }
  CommandLine read;
  if (help || version) {
    read.request = help ? CommandLine::Request::Help : CommandLine::Request::Version;
    return read;
  }
  if (files.size() > 1) {
    std::string named;
    for (const std::string_view file : files) {
      named += (named.empty() ? "'" : ", '") + std::string(file) + "'";
    }
    misused("more than one file given: " + named);
  }
  if (files.empty() && defaultStages) {
    files.push_back(*defaultStages);
  }
  if (!files.empty() && files.front().empty()) {
    misused("the stage file name is empty");
  }
  if (!problem.empty()) {
    read.request = CommandLine::Request::Misuse;
    read.problem = problem;
  } else if (!files.empty()) {
    const std::filesystem::path file(files.front());
    (isReplayFile(file) ? read.replayFile : read.stageFile) = file;
  }
  return read;
}

std::string usageText() {
  return "Usage: vantoki [FILE]\n"
         "Starts the Vantoki puzzle game. FILE is a stage data file (*.vkst), which the game\n"
         "opens, or a replay file (*.vkrp), which it plays back on the stage it was recorded on,\n"
         "from a stage data file in the replay's folder or in the game's stage data folders.\n"
         "The game needs a display (an X11 or Wayland session).\n"
         "  --default-stages STAGEFILE  the stage data file to open when no FILE is given\n"
         "  --help     print this text and exit\n"
         "  --version  print the version and exit\n";
}

std::string misuseText(std::string_view problem) {
  return "vantoki: " + std::string(problem) + "\nTry 'vantoki --help' for more information.\n";
}

std::string versionText() {
  return std::string("Vantoki ") + kVersion + "\n";
}

}  // namespace vantoki
