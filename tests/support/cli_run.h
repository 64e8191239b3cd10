// Running vantoki-cli from a test as a stage designer would: the program itself, through the
// shell, with its exit status and what it printed handed back.
#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace vantoki {

struct RunResult {
  int status;
  std::string output;
};

// `redirections` tell the shell where standard output and error go; what is left on standard
// output comes back as the output.
inline RunResult runProgramRedirected(const std::string& program, const std::string& arguments,
                                      const std::string& redirections) {
  const std::string command = program + " " + arguments + " " + redirections;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) {
    return {-1, ""};
  }
  std::string output;
  std::array<char, 4096> buffer{};
  while (const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), pipe)) {
    output.append(buffer.data(), got);
  }
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

inline RunResult runCliRedirected(const std::string& arguments, const std::string& redirections) {
  return runProgramRedirected(VANTOKI_CLI_PATH, arguments, redirections);
}

// Standard output comes back; standard error is discarded.
inline RunResult runCli(const std::string& arguments) {
  return runCliRedirected(arguments, "2>/dev/null");
}

// Standard error comes back; standard output is discarded.
inline RunResult runCliForErrors(const std::string& arguments) {
  return runCliRedirected(arguments, "2>&1 >/dev/null");
}

}  // namespace vantoki
