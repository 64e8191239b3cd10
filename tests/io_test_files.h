// Files for the io tests, made where each test can see and clean them: a fresh temporary folder
// per test, removed with everything in it, and whole-file reads and writes of raw bytes.
#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace vantoki {

class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vantoki-io-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
      std::abort();
    }
    path_ = pattern;
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

  // The names of everything in the folder, to catch a temporary file left behind.
  std::set<std::string> entries() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }

 private:
  std::filesystem::path path_;
};

inline std::string readBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The lines of a file written with CR LF, without their line ends.
inline std::vector<std::string> splitCrLfLines(std::string_view bytes) {
  std::vector<std::string> lines;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find("\r\n");
    lines.emplace_back(bytes.substr(0, end));
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 2);
  }
  return lines;
}

inline std::string joinLines(const std::vector<std::string>& lines, std::string_view lineEnd) {
  std::string bytes;
  for (const std::string& line : lines) {
    bytes += line;
    bytes += lineEnd;
  }
  return bytes;
}

// Runs `work` in a child process and tells whether it returned true. The child is killed by
// SIGALRM after `seconds`, so a call that would block for ever fails the test instead of hanging
// it; what the child changes in memory never reaches the test.
template <class Work>
bool succeedsInChild(Work work, unsigned seconds = 20) {
  // Output still buffered at the fork would otherwise be printed twice.
  std::fflush(nullptr);
  const pid_t child = fork();
  if (child == 0) {
    alarm(seconds);
    _exit(work() ? 0 : 1);
  }
  int status = 0;
  return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
         WEXITSTATUS(status) == 0;
}

// Runs `work` in a child process whose files may not grow beyond `maxBytes`, and tells whether
// it returned true. Writing past the limit then fails the way a full disk does; unlike
// permissions, the limit also stops root, and the test runner itself keeps writing freely.
template <class Work>
bool succeedsWithFileSizeLimit(rlim_t maxBytes, Work work) {
  return succeedsInChild([&] {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{maxBytes, maxBytes};
    return setrlimit(RLIMIT_FSIZE, &limit) == 0 && work();
  });
}

}  // namespace vantoki
