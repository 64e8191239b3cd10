// vantoki-cli: the stage designer's command-line companion, built from the game's own rules and
// file formats.
#include <iostream>
#include <string_view>
#include <vector>

#include "commands.h"

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
    "SIZE is in mebibytes, or ends in M or G (512M, 4G); the default is 4G, or the\n"
    "machine's memory if that is less.\n";

int runCommand(std::span<const std::string_view> arguments) {
  using namespace vantoki::cli;
  if (arguments.size() == 1 && arguments[0] == "--help") {
    std::cout << kUsage;
    return kExitOk;
  }
  if (!arguments.empty()) {
    const std::span<const std::string_view> rest = arguments.subspan(1);
    int status = kExitUsage;
    if (arguments[0] == "check") {
      status = runCheck(rest);
    } else if (arguments[0] == "replay") {
      status = runReplay(rest);
    } else if (arguments[0] == "render") {
      status = runRender(rest);
    } else if (arguments[0] == "verify") {
      status = runVerify(rest);
    } else if (arguments[0] == "solve") {
      status = runSolve(rest);
    } else if (arguments[0] == "generate") {
      status = runGenerate(rest);
    }
    if (status != kExitUsage) {
      return status;
    }
  }
  std::cerr << kUsage;
  return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vantoki::cli;
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  const int status = runCommand(arguments);
  // Output that never arrived is a failure: `verify … > log` on a full disk must not pass.
  std::cout.flush();
  if (!std::cout) {
    return failWith("cannot write to standard output");
  }
  return status;
}
