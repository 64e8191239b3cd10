// The commands of vantoki-cli. Each declares its arguments on a subcommand of the program's
// command line, which reads them into values the command holds, and hands back what runs once
// the line has been read. What runs returns the process exit status: 0 done, 1 a file could
// not be read or written (verify and solve also when a replay fails or no solution is found),
// 2 wrong usage: an unknown command or option, an argument missing or too many, or a value that
// is malformed or out of range, all refused before any file is touched. Whatever the commands
// print that comes from a file or a folder goes through printable() first.
#pragma once

#include <CLI/CLI.hpp>

#include <functional>
#include <iostream>
#include <string>

#include "io/printable_text.h"

namespace vantoki::cli {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// Every command reports what stops it the same way, on standard error. Messages quote names and
// paths, so the whole line is made printable.
inline int failWith(const std::string& message, int status = kExitFailure) {
  std::cerr << "vantoki-cli: " << printable(message) << "\n";
  return status;
}

// The values a command line is read into belong to `run`, which keeps them alive for as long as
// the program's command line may write them.
struct Command {
  CLI::App* commandLine;  // the subcommand, owned by the program's command line
  std::function<int()> run;
};

Command addCheck(CLI::App& program);
Command addReplay(CLI::App& program);
Command addRender(CLI::App& program);
Command addVerify(CLI::App& program);
Command addSolve(CLI::App& program);
Command addGenerate(CLI::App& program);

}  // namespace vantoki::cli
