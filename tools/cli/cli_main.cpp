// vantoki-cli: the stage designer's command-line companion, built from the game's own rules and
// file formats. CLI11 reads the command line; the usage below is the one help there is, printed
// for --help and with every command line that does not fit it.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <iostream>
#include <string>
#include <string_view>

#include "arguments.h"
#include "commands.h"
#include "platform/version.h"

namespace {

constexpr std::string_view kUsage =
    "usage: vantoki-cli check STAGEFILE\n"
    "       vantoki-cli replay STAGEFILE STAGE REPLAYFILE [--boards]\n"
    "       vantoki-cli render STAGEFILE STAGE OUT.png\n"
    "       vantoki-cli verify STAGEFILE REPLAY...\n"
    "       vantoki-cli solve STAGEFILE STAGE [--max-turns N] [--max-states N]\n"
    "                             [--max-memory SIZE] [--out REPLAYFILE]\n"
    "       vantoki-cli generate OUT.vkst [--seed N] [--stages K] [--min-turns T]\n"
    "                             [--candidates C] [--time-limit S] [--replays DIR]\n"
    "                             [--threads N] [--max-boards N]\n"
    "       vantoki-cli --help\n"
    "       vantoki-cli --version\n"
    "SIZE is in mebibytes, or ends in M or G (512M, 4G); the default is 4G, or the\n"
    "machine's memory if that is less.\n";

int runCommandLine(int argc, char** argv) {
  using namespace vantoki::cli;
  CLI::App program("", "vantoki-cli");
  // Set before the commands are added, which take the help flag over from the program; an
  // option given twice counts as it was given last.
  program.set_help_flag("--help");
  program.set_version_flag("--version", "vantoki-cli " + std::string(vantoki::kVersion));
  program.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  program.require_subcommand(1);
  const std::array<Command, 6> commands = {addCheck(program),  addReplay(program),
                                           addRender(program), addVerify(program),
                                           addSolve(program),  addGenerate(program)};
  try {
    program.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    std::cout << kUsage;
    return kExitOk;
  } catch (const CLI::CallForVersion& version) {
    std::cout << version.what() << "\n";
    return kExitOk;
  } catch (const RefusedValue& refused) {
    return failWith(refused.what(), kExitUsage);
  } catch (const CLI::ParseError&) {
    std::cerr << kUsage;
    return kExitUsage;
  }
  // The program requires one command, so one of them was read.
  const auto chosen = std::find_if(commands.begin(), commands.end(), [](const Command& command) {
    return command.commandLine->parsed();
  });
  return chosen->run();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vantoki::cli;
  const int status = runCommandLine(argc, argv);
  // Output that never arrived is a failure: `verify … > log` on a full disk must not pass.
  std::cout.flush();
  if (!std::cout) {
    return failWith("cannot write to standard output");
  }
  return status;
}
