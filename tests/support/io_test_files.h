// Files for the io tests, made where each test can see and clean them: a fresh temporary folder
// per test, removed with everything in it, and whole-file reads and writes of raw bytes.
#pragma once

#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
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

// Runs `work` in a child process and gives its exit code, or -1 when it did not exit. The child
// is killed by SIGALRM after `seconds`, so a call that would block for ever fails the test
// instead of hanging it; what the child changes in memory never reaches the test.
template <class Work>
int exitCodeInChild(Work work, unsigned seconds = 20) {
  // Output still buffered at the fork would otherwise be printed twice.
  std::fflush(nullptr);
  const pid_t child = fork();
  if (child == 0) {
    alarm(seconds);
    _exit(work());
  }
  int status = 0;
  return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) ? WEXITSTATUS(status)
                                                                               : -1;
}

// Runs `work` in a child process (as above) and tells whether it returned true.
template <class Work>
bool succeedsInChild(Work work, unsigned seconds = 20) {
  return exitCodeInChild([&] { return work() ? 0 : 1; }, seconds) == 0;
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

// The user and the group nobody, whom a child of a test run as root becomes to lose root's leave
// to write anything.
constexpr uid_t kNobodyUser = 65534;
constexpr gid_t kNobodyGroup = 65534;

// Runs `work` in a child process without root's leave to write anything, and tells whether it
// returned true; empty when no such child can be made here. As root, the child first becomes the
// user nobody, in the group nobody and no other.
template <class Work>
std::optional<bool> succeedsAsOrdinaryUser(Work work) {
  constexpr int kCannotDropRoot = 77;
  const int code = exitCodeInChild([&] {
    if (geteuid() == 0 &&
        (setgroups(0, nullptr) != 0 || setgid(kNobodyGroup) != 0 || setuid(kNobodyUser) != 0)) {
      return kCannotDropRoot;
    }
    return work() ? 0 : 1;
  });
  return code == kCannotDropRoot ? std::nullopt : std::optional<bool>(code == 0);
}

// Runs `work` in a child process that may read `folder` but not write in it, as an ordinary user
// (above), and tells whether it returned true; empty when no such child can be made here.
template <class Work>
std::optional<bool> succeedsWithoutWriteAccess(const std::filesystem::path& folder, Work work) {
  namespace fs = std::filesystem;
  const fs::perms before = fs::status(folder).permissions();
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                              fs::perms::group_exec | fs::perms::others_read |
                              fs::perms::others_exec);
  const std::optional<bool> succeeded = succeedsAsOrdinaryUser(work);
  fs::permissions(folder, before);
  return succeeded;
}

}  // namespace vantoki
