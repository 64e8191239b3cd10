// What the game's own command line asks for: `vantoki [FILE]`, `--help`, `--version`. FILE is a
// stage data file, or a replay file (by its extension .vkrp) to play back on the stage it was
// recorded on. `--default-stages STAGEFILE` names the set to open when no FILE is given, so the
// menu's launcher can open the basic set and still pass on the file a file manager hands it.
// It is read before the toolkit starts, so a misuse and the two answers need no display: the
// toolkit's own options (-platform, -style, -display, …, with one dash or two) are passed over,
// as the toolkit takes them out itself, and everything after "--" is a file name.
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
  // With Play, at most one of the two: the stage data file to open, or the replay to play back.
  std::optional<std::filesystem::path> stageFile;
  std::optional<std::filesystem::path> replayFile;
  std::string problem;  // with Misuse: what is wrong, in a few words
};

// --help or --version anywhere before "--" wins.
CommandLine readCommandLine(std::span<const std::string_view> arguments);

std::string usageText();
std::string versionText();
// What a misuse prints: the problem on one line, then where the usage is.
std::string misuseText(std::string_view problem);

}  // namespace vantoki
