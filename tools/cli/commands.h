// The commands of vantoki-cli. Each takes its own arguments (after the command name) and returns
// the process exit status: 0 done, 1 a file could not be used or an argument is out of range,
// 2 wrong usage. verify and solve also return 1 when a replay fails or no solution is found.
// Whatever they print that comes from a file or a folder goes through printable() first.
#pragma once

#include <iostream>
#include <span>
#include <string>
#include <string_view>

#include "terminal_text.h"

namespace vantoki::cli {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// Every command reports what stops it the same way, on standard error. Messages quote names and
// paths, so the whole line is made printable.
inline int failWith(const std::string& message) {
  std::cerr << "vantoki-cli: " << printable(message) << "\n";
  return kExitFailure;
}

int runCheck(std::span<const std::string_view> arguments);
int runReplay(std::span<const std::string_view> arguments);
int runRender(std::span<const std::string_view> arguments);
int runVerify(std::span<const std::string_view> arguments);
int runSolve(std::span<const std::string_view> arguments);
int runGenerate(std::span<const std::string_view> arguments);

}  // namespace vantoki::cli
