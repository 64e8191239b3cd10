// The commands of vantoki-cli. Each takes its own arguments (after the command name) and returns
// the process exit status: 0 done, 1 a file could not be used or an argument is out of range,
// 2 wrong usage.
#pragma once

#include <span>
#include <string_view>

namespace vantoki::cli {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

int runCheck(std::span<const std::string_view> arguments);
int runReplay(std::span<const std::string_view> arguments);

}  // namespace vantoki::cli
