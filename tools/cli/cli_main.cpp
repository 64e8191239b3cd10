// vantoki-cli: the stage designer's command-line companion, built from the game's own rules and
// file formats. CLI11 reads the command line; usage.h writes the help printed for --help and the
// line that says what is wrong with a command line that does not fit it.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <iostream>
#include <string>

#include "arguments.h"
#include "commands.h"
#include "platform/version.h"
#include "usage.h"

namespace {

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
    std::cout << helpText(program);
    return kExitOk;
  } catch (const CLI::CallForVersion& version) {
    std::cout << version.what() << "\n";
    return kExitOk;
  } catch (const RefusedValue& refused) {
    return failWith(refused.what(), kExitUsage);
  } catch (const CLI::ParseError& error) {
    failWith(whatIsWrong(program, error), kExitUsage);
    std::cerr << kHelpHint;
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
