#include "io/atomic_write.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <ctime>
#include <string>
#include <utility>

#include "io/unique_fd.h"

namespace vantoki {
namespace {

// Deep enough for any sane chain of links, shallow enough to stop a loop.
constexpr int kMaxLinkHops = 40;

// Every temporary name is the prefix and so many random hexadecimal digits, a name no player types
// by hand, which is how a later save tells one left by a killed save from a file of the player's.
constexpr std::string_view kTempPrefix = ".vantoki-save.";
constexpr std::size_t kTempDigits = 16;
constexpr std::string_view kHexDigits = "0123456789abcdef";

constexpr std::string_view kCannotFollowLink = "シンボリックリンクをたどれません";
constexpr std::string_view kCannotCreate = "フォルダーにファイルを作れません";
constexpr std::string_view kCannotWrite = "ファイルに書き込めません";

mode_t currentUmask() {
  const mode_t mask = umask(0);
  umask(mask);
  return mask;
}

// A short name (one derived from the target's could exceed the longest name allowed) that no
// other save is likely to pick; a clash is still caught, by O_EXCL or linkat's EEXIST.
std::string freshTempName() {
  std::uint64_t random = 0;
  if (getentropy(&random, sizeof random) != 0) {
    random = static_cast<std::uint64_t>(getpid()) << 32 ^ static_cast<std::uint64_t>(clock());
  }
  std::string name(kTempPrefix);
  for (std::size_t digit = 0; digit < kTempDigits; ++digit, random >>= 4) {
    name += kHexDigits[random & 0xF];
  }
  return name;
}

bool isTempName(std::string_view name) {
  if (!name.starts_with(kTempPrefix)) {
    return false;
  }
  const std::string_view digits = name.substr(kTempPrefix.size());
  return digits.size() == kTempDigits && digits.find_first_not_of(kHexDigits) == digits.npos;
}

// Removes the temporary files that saves killed part way left in the folder: regular files with a
// temporary name that no save holds. A save holds a lock on its temporary file for as long as the
// file has a name, so a lock that can be taken means the save that made the file is gone; another
// save's file in progress is left alone, and so is a file of the player's whose name only starts
// like a temporary one. Nothing here can fail the save under way: what cannot be removed stays.
void removeAbandonedTempFiles(const std::filesystem::path& folderPath, int folder) {
  std::error_code error;
  std::filesystem::directory_iterator entries(folderPath, error);
  for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
    const std::string name = entries->path().filename().string();
    if (!isTempName(name)) {
      continue;
    }
    // O_NONBLOCK: something that is not a file, a FIFO say, must not stop the save.
    const UniqueFd fd(openat(folder, name.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
    struct stat status {};
    if (fd.valid() && fstat(fd.get(), &status) == 0 && S_ISREG(status.st_mode) &&
        flock(fd.get(), LOCK_EX | LOCK_NB) == 0) {
      unlinkat(folder, name.c_str(), 0);
    }
  }
}

// The mode a replaced file keeps when the saver may not give the new one its owner or its group:
// the file is then the saver's, or in the group a new file in the folder gets, and a set-ID bit
// or the group's permission would speak for someone they were never meant for. The group that
// comes in gets no more than others had, so the change of hands opens the file to no one.
mode_t modeInOtherHands(mode_t mode, bool ownerKept, bool groupKept) {
  if (!ownerKept) {
    mode &= ~S_ISUID;
  }
  if (!groupKept) {
    mode = (mode & ~(S_ISGID | S_IRWXG)) | (mode & mode << 3 & S_IRWXG);
  }
  return mode;
}

// Why the regular file `target` (its status `existing`) may not be replaced, as an errno value;
// 0 when it may. A rename needs leave to write in the folder only, so without this a file the
// user made read-only, or another user's file in the user's folder, would be replaced. Asked
// with the ids the save writes with, as writing into the file would be, so that a read-only
// mount and an immutable file count too. A file with no write bit for anyone was made read-only
// on purpose, and stays so even for root, whom the system would let write it.
int whyNotReplaceable(const std::filesystem::path& target, const struct stat& existing) {
  if ((existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
    return EACCES;
  }
  return faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0 ? 0 : errno;
}

// A failed step of the save: what could not be done, in English and in a player's words, and the
// errno that says why. Only literals are held, so making one allocates nothing that could change
// errno before it is read.
struct Failure {
  std::string_view what;
  std::string_view cause;
  int error;
};

// The new content on its way to the target's name. It starts without a name (O_TMPFILE), so a
// save killed while writing leaves nothing behind, and gets a temporary name only once its bytes
// are on the disk, just before the rename. Where the file system has no unnamed files it is named
// from the start. It holds a lock on the file from its creation, and removes a name that was not
// renamed into place.
class TempFile {
 public:
  explicit TempFile(int folder) : folder_(folder) {}
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile() {
    if (!name_.empty()) {
      unlinkat(folder_, name_.c_str(), 0);
    }
  }

  std::optional<Failure> create() {
#if defined(__EMSCRIPTEN__)
    // The page's memory file system takes O_TMPFILE without making an unnamed file.
    createNamed();
#else
    fd_ = UniqueFd(openat(folder_, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
    if (!fd_.valid() && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
      createNamed();
    }
#endif
    if (!fd_.valid()) {
      return Failure{"cannot create a file in its folder", kCannotCreate, errno};
    }
    if (flock(fd_.get(), LOCK_EX) != 0) {
      return Failure{"cannot create a file in its folder", kCannotCreate, errno};
    }
    return std::nullopt;
  }

  std::optional<Failure> write(std::string_view bytes) {
    if (!writeAll(bytes)) {
      return Failure{"cannot write", kCannotWrite, errno};
    }
    return std::nullopt;
  }

  // Gives the file the owner, group and mode of the file it replaces, as far as the saver may:
  // only root may give a file away, and others only to a group they are in. The mode comes last:
  // a change of owner clears the set-ID bits, and so does a write by anyone but root.
  std::optional<Failure> takeOver(const struct stat& replaced) {
    bool ownerKept = true;
    bool groupKept = true;
    if (fchown(fd_.get(), replaced.st_uid, replaced.st_gid) != 0) {
      ownerKept = replaced.st_uid == geteuid();
      groupKept = fchown(fd_.get(), static_cast<uid_t>(-1), replaced.st_gid) == 0;
    }
    return setMode(modeInOtherHands(replaced.st_mode & 07777, ownerKept, groupKept));
  }

  std::optional<Failure> setMode(mode_t mode) {
    if (fchmod(fd_.get(), mode) != 0) {
      return Failure{"cannot set the file's permissions", "ファイルの権限を設定できません", errno};
    }
    return std::nullopt;
  }

  // The bytes, the owner and the mode on the disk before the file takes the target's name.
  std::optional<Failure> flush() {
    if (fsync(fd_.get()) != 0) {
      return Failure{"cannot write", kCannotWrite, errno};
    }
    return std::nullopt;
  }

  std::optional<Failure> renameOver(const std::string& target) {
    if (name_.empty()) {
      // Only linkat gives an unnamed file a name; it refuses to replace one, hence the
      // temporary name first.
      const std::string self = "/proc/self/fd/" + std::to_string(fd_.get());
      std::string name = freshTempName();
      while (linkat(AT_FDCWD, self.c_str(), folder_, name.c_str(), AT_SYMLINK_FOLLOW) != 0) {
        if (errno != EEXIST) {
          return Failure{"cannot give the file a name in its folder", kCannotCreate, errno};
        }
        name = freshTempName();
      }
      name_ = std::move(name);
    }
    if (renameat(folder_, name_.c_str(), folder_, target.c_str()) != 0) {
      return Failure{"cannot replace the file", "ファイルを置き換えられません", errno};
    }
    name_.clear();
    return std::nullopt;
  }

 private:
  void createNamed() {
    do {
      name_ = freshTempName();
      fd_ = UniqueFd(openat(folder_, name_.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600));
    } while (!fd_.valid() && errno == EEXIST);
    if (!fd_.valid()) {
      name_.clear();
    }
  }

  bool writeAll(std::string_view bytes) {
    while (!bytes.empty()) {
      const ssize_t written = ::write(fd_.get(), bytes.data(), bytes.size());
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

  int folder_;
  UniqueFd fd_{-1};
  std::string name_;
};

std::optional<FileError> failedStep(const std::filesystem::path& path, const Failure& failure) {
  return fileError(path, std::string(failure.what) + ": " + systemReason(failure.error),
                   systemCause(failure.error, FileUse::Writing, failure.cause));
}

// Where a save to `path` lands, with the folder it is made in open. Only a regular file, or a
// name where none is yet, can be replaced.
struct Destination {
  std::filesystem::path target;
  std::optional<struct stat> replaced;  // none when no file has the name yet
  std::filesystem::path folderPath;
  UniqueFd folder;
};

// The destination of a save to `path`, or why a save there is refused before anything is made.
Result<Destination> openDestination(const std::filesystem::path& path) {
  const Result<std::filesystem::path> resolved = fileASaveWrites(path);
  if (!resolved.ok()) {
    return resolved.error();
  }
  const std::filesystem::path& target = resolved.value();

  struct stat existing {};
  const bool targetExists = lstat(target.c_str(), &existing) == 0;
  if (!targetExists && errno != ENOENT) {
    const int error = errno;
    return fileError(path, "cannot look at the file: " + systemReason(error),
                     systemCause(error, FileUse::Writing, "ファイルを調べられません"));
  }
  if (targetExists && S_ISDIR(existing.st_mode)) {
    return fileError(path, "is a folder, not a file", "同じ名前のフォルダーがあります");
  }
  if (targetExists && !S_ISREG(existing.st_mode)) {
    return fileError(path, "is not a regular file, so it is not replaced",
                     "通常のファイルではないので、置き換えません");
  }

  if (targetExists) {
    if (const int error = whyNotReplaceable(target, existing)) {
      return fileError(path, "is not writable: " + systemReason(error),
                       systemCause(error, FileUse::Writing, kCannotWrite));
    }
  }

  const std::filesystem::path folderPath =
      target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
  UniqueFd folder(open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!folder.valid()) {
    const int error = errno;
    return fileError(path, "cannot create a file in its folder: " + systemReason(error),
                     systemCause(error, FileUse::Writing, kCannotCreate));
  }
  return Destination{target, targetExists ? std::optional<struct stat>(existing) : std::nullopt,
                     folderPath, std::move(folder)};
}

}  // namespace

Result<std::filesystem::path> fileASaveWrites(const std::filesystem::path& path) {
  std::filesystem::path current = path;
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    std::error_code error;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(current, error))) {
      return current;
    }
    const std::filesystem::path target = std::filesystem::read_symlink(current, error);
    if (error) {
      return fileError(path, "cannot follow the symbolic link: " + error.message(),
                       systemCause(error.value(), FileUse::Writing, kCannotFollowLink));
    }
    current = current.parent_path() / target;
  }
  return fileError(path, "cannot follow the symbolic link: " + systemReason(ELOOP),
                   systemCause(ELOOP, FileUse::Writing, kCannotFollowLink));
}

std::optional<FileError> writeFileAtomically(const std::filesystem::path& path,
                                             std::string_view bytes) {
  const Result<Destination> opened = openDestination(path);
  if (!opened.ok()) {
    return opened.error();
  }
  const Destination& destination = opened.value();
  removeAbandonedTempFiles(destination.folderPath, destination.folder.get());

  TempFile temp(destination.folder.get());
  std::optional<Failure> failure = temp.create();
  if (!failure) {
    failure = temp.write(bytes);
  }
  if (!failure) {
    failure = destination.replaced ? temp.takeOver(*destination.replaced)
                                   : temp.setMode(0666 & ~currentUmask());
  }
  if (!failure) {
    failure = temp.flush();
  }
  if (!failure) {
    failure = temp.renameOver(destination.target.filename().string());
  }
  if (failure) {
    return failedStep(path, *failure);
  }
  // The rename is only on the disk once the folder is; a file system that cannot flush a folder
  // says EINVAL, and there nothing more can be done.
  if (fsync(destination.folder.get()) != 0 && errno != EINVAL) {
    return fileError(
        path,
        "was replaced, but its folder could not be flushed to the disk: " + systemReason(errno),
        "ファイルは置き換えましたが、ディスクへの書き込みを確かめられませんでした");
  }
  return std::nullopt;
}

std::optional<FileError> checkWritable(const std::filesystem::path& path) {
  const Result<Destination> opened = openDestination(path);
  if (!opened.ok()) {
    return opened.error();
  }
  // Making the new file's first step for real is the one sure test of the folder: its
  // permissions, a read-only mount, a full table of files. The file has no name, or loses the
  // one it had when `temp` goes, so nothing is left behind.
  TempFile temp(opened.value().folder.get());
  if (const std::optional<Failure> failure = temp.create()) {
    return failedStep(path, *failure);
  }
  return std::nullopt;
}

}  // namespace vantoki
