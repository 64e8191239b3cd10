#include "usage.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace vantoki::cli {
namespace {

constexpr std::string_view kSynopsis =
    "usage: vantoki-cli check STAGEFILE\n"
    "       vantoki-cli replay STAGEFILE STAGE REPLAYFILE [--boards]\n"
    "       vantoki-cli render STAGEFILE STAGE PICTURE\n"
    "       vantoki-cli verify STAGEFILE REPLAY...\n"
    "       vantoki-cli solve STAGEFILE STAGE [--max-turns N] [--max-states N]\n"
    "                             [--max-memory SIZE] [--out REPLAYFILE]\n"
    "       vantoki-cli generate OUT.vkst [--seed N] [--stages K] [--min-turns T]\n"
    "                             [--candidates C] [--time-limit S] [--replays DIR]\n"
    "                             [--threads N] [--max-boards N]\n"
    "       vantoki-cli --help\n"
    "       vantoki-cli --version\n";

// The boards of `replay --boards` are read by scripts, so they carry no legend of their own.
constexpr std::string_view kTerms =
    "STAGE is a stage number from 1 to 10. PICTURE ends in .png for a PNG picture, or\n"
    "in .jpg or .jpeg for a JPEG one. SIZE is in mebibytes, or ends in M or G (512M,\n"
    "4G); the default is 4G, or the machine's memory if that is less.\n"
    "\n"
    "replay --boards prints, for each turn, \"turn N\" and the board: 15 lines, the top\n"
    "row first, each the 15 tile codes of a row from left to right:\n"
    "  00 empty      01 wall       02 ladder     03 player     04 bomb\n"
    "  05 star       06 ball       07 explosion  08 player on a ladder\n"
    "  09 obstacle   10 to 89 arrow block: it flies after (code - 10) % 20 turns,\n"
    "                the way (code - 10) / 20 says: 0 left, 1 up, 2 right, 3 down\n";

// Where the descriptions of the commands begin, after the longest name.
constexpr std::size_t kDescriptionColumn = 10;

// The commands in the order they were added, which is the synopsis's.
std::vector<const CLI::App*> commandsOf(const CLI::App& program) {
  return program.get_subcommands(std::function<bool(const CLI::App*)>());
}

}  // namespace

std::string helpText(const CLI::App& program) {
  std::string text(kSynopsis);
  text += "\n";
  for (const CLI::App* command : commandsOf(program)) {
    std::string name = command->get_name();
    name.resize(std::max(name.size(), kDescriptionColumn), ' ');
    text += "  " + name + command->get_description() + "\n";
  }
  text += "\n";
  text += kTerms;
  return text;
}

std::string whatIsWrong(const CLI::App& program, const CLI::ParseError& error) {
  const std::vector<CLI::App*> chosen = program.get_subcommands();
  // Words nothing took: whatever else went wrong, they are what the user should look at first.
  const std::vector<std::string> unread = program.remaining(true);
  if (!unread.empty()) {
    const std::string& word = unread.front();
    if (word.size() > 1 && word.front() == '-') {
      return "unknown option '" + word + "'";
    }
    return (chosen.empty() ? "unknown command '" : "unexpected argument '") + word + "'";
  }
  if (chosen.empty()) {
    std::string commands;
    for (const CLI::App* command : commandsOf(program)) {
      commands += (commands.empty() ? "" : ", ") + command->get_name();
    }
    return "missing command (" + commands + ")";
  }
  // CLI11 puts the option's name first when its value is missing: "--seed: 1 required …".
  const std::string message = error.what();
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr && message.starts_with("--")) {
    return "missing value for '" + message.substr(0, message.find(':')) + "'";
  }
  for (const CLI::Option* argument : chosen.front()->get_options()) {
    if (argument->get_required() && argument->count() == 0) {
      return "missing " + argument->get_name();
    }
  }
  return message.substr(0, message.find('\n'));
}

}  // namespace vantoki::cli
