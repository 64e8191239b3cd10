#include "io/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <utility>

#include "io/unique_fd.h"

namespace vantoki {
namespace {

// Deep enough for any sane chain of links, shallow enough to stop a loop.
constexpr int kMaxLinkHops = 40;

// The file that a write to `path` really lands in: symbolic links followed, a dangling one
// included, because that is what opening the path for writing would create.
Result<std::filesystem::path> resolveLinks(const std::filesystem::path& path) {
  std::filesystem::path current = path;
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    std::error_code error;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(current, error))) {
      return current;
    }
    const std::filesystem::path target = std::filesystem::read_symlink(current, error);
    if (error) {
      return fileError(path, "cannot follow the symbolic link: " + error.message());
    }
    current = current.parent_path() / target;
  }
  return fileError(path, "cannot follow the symbolic link: " + systemReason(ELOOP));
}

mode_t currentUmask() {
  const mode_t mask = umask(0);
  umask(mask);
  return mask;
}

// A temporary file that removes itself unless it has been renamed into place.
class TempFile {
 public:
  TempFile(std::string path, UniqueFd fd) : path_(std::move(path)), fd_(std::move(fd)) {}
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile() {
    if (!renamed_) {
      unlink(path_.c_str());
    }
  }

  int fd() const { return fd_.get(); }
  bool close() { return fd_.close(); }
  bool renameTo(const std::filesystem::path& target) {
    renamed_ = rename(path_.c_str(), target.c_str()) == 0;
    return renamed_;
  }

 private:
  std::string path_;
  UniqueFd fd_;
  bool renamed_ = false;
};

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) {
      continue;
    }
    if (written < 0) {
      return false;
    }
    if (written == 0) {
      // No progress and no error: retrying would loop for ever.
      errno = EIO;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

std::optional<FileError> writeFileAtomically(const std::filesystem::path& path,
                                             std::string_view bytes) {
  const Result<std::filesystem::path> resolved = resolveLinks(path);
  if (!resolved.ok()) {
    return resolved.error();
  }
  const std::filesystem::path& target = resolved.value();

  struct stat existing {};
  const bool targetExists = lstat(target.c_str(), &existing) == 0;
  if (!targetExists && errno != ENOENT) {
    return fileError(path, "cannot look at the file: " + systemReason(errno));
  }
  if (targetExists && S_ISDIR(existing.st_mode)) {
    return fileError(path, "is a folder, not a file");
  }
  if (targetExists && !S_ISREG(existing.st_mode)) {
    return fileError(path, "is not a regular file, so it is not replaced");
  }

  const std::filesystem::path folder =
      target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
  // A fixed short name: one derived from the target's could exceed the longest name allowed.
  std::string tempPath = (folder / ".vantoki-save.XXXXXX").string();
  UniqueFd fd(mkstemp(tempPath.data()));
  if (!fd.valid()) {
    return fileError(path, "cannot create a file in its folder: " + systemReason(errno));
  }
  TempFile temp(std::move(tempPath), std::move(fd));

  const mode_t mode = targetExists ? existing.st_mode & 07777 : 0666 & ~currentUmask();
  if (fchmod(temp.fd(), mode) != 0) {
    return fileError(path, "cannot set the file's permissions: " + systemReason(errno));
  }
  if (!writeAll(temp.fd(), bytes) || fsync(temp.fd()) != 0 || !temp.close()) {
    return fileError(path, "cannot write: " + systemReason(errno));
  }
  if (!temp.renameTo(target)) {
    return fileError(path, "cannot replace the file: " + systemReason(errno));
  }
  return std::nullopt;
}

}  // namespace vantoki
