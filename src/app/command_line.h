// What the game's own command line asks for: `vantoki [STAGEFILE]`, `--help`, `--version`. Qt's
// own options (-platform, -style, …) are taken out by the application before the rest is read.
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vantoki {

struct CommandLine {
  enum class Request { Play, Help, Version, Misuse };
  Request request = Request::Play;
  std::optional<std::filesystem::path> stageFile;  // with Play: the stage data file to open
};

// --help or --version anywhere wins, so they answer before any window or display is needed.
CommandLine readCommandLine(std::span<const std::string_view> arguments);

std::string usageText();
std::string versionText();

}  // namespace vantoki
