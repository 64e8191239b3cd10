// What the game's own command line asks for: `vantoki [STAGEFILE]`, `--help`, `--version`. It is
// read before the toolkit starts, so a misuse and the two answers need no display: the toolkit's
// own options (-platform, -style, -display, …, with one dash or two) are passed over, as the
// toolkit takes them out itself, and everything after "--" is a stage file name.
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
  std::string problem;                             // with Misuse: what is wrong, when it is not
                                                   // plain from the usage
};

// --help or --version anywhere before "--" wins.
CommandLine readCommandLine(std::span<const std::string_view> arguments);

std::string usageText();
std::string versionText();

}  // namespace vantoki
