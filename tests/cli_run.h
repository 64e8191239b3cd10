// Running vantoki-cli from a test as a stage designer would: the program itself, with its
// standard error discarded, and its exit status and output handed back.
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

inline RunResult runCli(const std::string& arguments) {
  const std::string command = std::string(VANTOKI_CLI_PATH) + " " + arguments + " 2>/dev/null";
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

}  // namespace vantoki
