#include "picture_maker.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

extern char** environ;

namespace vantoki::cli {
namespace {

constexpr const char* kMakerName = "vantoki-picture-maker";

std::filesystem::path makerPath() {
  std::error_code unreadable;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", unreadable);
  const std::filesystem::path folder = program.parent_path();
  const std::filesystem::path installed =
      (folder / VANTOKI_PICTURE_MAKER_FROM_PROGRAM / kMakerName).lexically_normal();
  return std::filesystem::exists(installed, unreadable) ? installed : folder / kMakerName;
}

std::string codesOf(const Board& board) {
  std::string codes;
  for (const TileCode cell : board.cells()) {
    if (!codes.empty()) {
      codes += ',';
    }
    codes += std::to_string(cell);
  }
  return codes;
}

std::string systemText(int error) {
  return std::error_code(error, std::generic_category()).message();
}

// Everything the child writes until it closes its end; false on a read error.
bool readAll(int descriptor, std::string& into) {
  char chunk[65536];
  for (;;) {
    const ssize_t got = read(descriptor, chunk, sizeof chunk);
    if (got == 0) {
      return true;
    }
    if (got < 0 && errno != EINTR) {
      return false;
    }
    if (got > 0) {
      into.append(chunk, static_cast<std::size_t>(got));
    }
  }
}

int waitFor(pid_t child) {
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  return status;
}

}  // namespace

MadePicture makePicture(const Board& board, std::string_view format) {
  const std::filesystem::path maker = makerPath();
  std::string formatArgument(format);
  std::string codes = codesOf(board);
  std::vector<char*> arguments = {const_cast<char*>(kMakerName), formatArgument.data(),
                                  codes.data(), nullptr};
  int output[2];
  if (pipe2(output, O_CLOEXEC) != 0) {
    return {{}, "cannot start " + maker.string() + ": " + systemText(errno)};
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
  pid_t child = 0;
  const int spawnError =
      posix_spawn(&child, maker.c_str(), &actions, nullptr, arguments.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(output[1]);
  if (spawnError != 0) {
    close(output[0]);
    return {{}, "cannot start " + maker.string() + ": " + systemText(spawnError)};
  }
  MadePicture made;
  const bool read = readAll(output[0], made.file);
  const int readError = errno;
  close(output[0]);
  if (!read) {
    // A maker whose reader is gone would otherwise wait forever to write the rest.
    kill(child, SIGKILL);
  }
  const int status = waitFor(child);
  if (!read) {
    return {{}, "cannot read the picture from " + maker.string() + ": " + systemText(readError)};
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    return {{}, maker.string() + " failed to make the picture"};
  }
  return made;
}

}  // namespace vantoki::cli
