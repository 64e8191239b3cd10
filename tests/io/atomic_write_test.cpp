#include "io/atomic_write.h"

#include <fcntl.h>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "io/unique_fd.h"
#include "io_test_files.h"
#include "traced_child.h"

namespace vantoki {
namespace {

namespace fs = std::filesystem;

mode_t modeOf(const fs::path& path) {
  struct stat status {};
  EXPECT_EQ(stat(path.c_str(), &status), 0) << path;
  return status.st_mode & 07777;
}

// Sets the umask for one test and gives the old one back.
class ScopedUmask {
 public:
  explicit ScopedUmask(mode_t mask) : previous_(umask(mask)) {}
  ScopedUmask(const ScopedUmask&) = delete;
  ScopedUmask& operator=(const ScopedUmask&) = delete;
  ~ScopedUmask() { umask(previous_); }

 private:
  mode_t previous_;
};

struct Ownership {
  uid_t owner;
  gid_t group;
  mode_t mode;

  friend bool operator==(const Ownership&, const Ownership&) = default;
  friend std::ostream& operator<<(std::ostream& out, const Ownership& ownership) {
    return out << ownership.owner << ":" << ownership.group << " " << std::oct << ownership.mode
               << std::dec;
  }
};

Ownership ownershipOf(const fs::path& path) {
  struct stat status {};
  EXPECT_EQ(stat(path.c_str(), &status), 0) << path;
  return {status.st_uid, status.st_gid, status.st_mode & 07777};
}

bool hasLeftoverTempFile(const fs::path& folder) {
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().filename().string().starts_with(".vantoki-save.")) {
      return true;
    }
  }
  return false;
}

TEST(AtomicWriteTest, CreatesANewFileWithModeFromTheUmask) {
  const TempDir dir;
  const ScopedUmask mask(027);
  ASSERT_EQ(writeFileAtomically(dir / "new.vkst", "hello"), std::nullopt);
  EXPECT_EQ(readBytes(dir / "new.vkst"), "hello");
  EXPECT_EQ(modeOf(dir / "new.vkst"), 0640u);
  EXPECT_EQ(dir.entries(), std::set<std::string>{"new.vkst"});
}

TEST(AtomicWriteTest, ReplacesAnExistingFileAndKeepsItsMode) {
  const TempDir dir;
  writeBytes(dir / "old.vkst", "a much longer old content");
  fs::permissions(dir / "old.vkst", fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_EQ(writeFileAtomically(dir / "old.vkst", "new"), std::nullopt);
  EXPECT_EQ(readBytes(dir / "old.vkst"), "new");
  EXPECT_EQ(modeOf(dir / "old.vkst"), 0600u);
  EXPECT_EQ(dir.entries(), std::set<std::string>{"old.vkst"});
}

TEST(AtomicWriteTest, WritesEmptyContent) {
  const TempDir dir;
  writeBytes(dir / "f", "old");
  ASSERT_EQ(writeFileAtomically(dir / "f", ""), std::nullopt);
  EXPECT_EQ(fs::file_size(dir / "f"), 0u);
}

TEST(AtomicWriteTest, WritesThroughASymbolicLinkAndKeepsTheLink) {
  const TempDir dir;
  fs::create_directory(dir / "real");
  writeBytes(dir / "real" / "target.vkst", "old");
  fs::create_symlink("real/target.vkst", dir / "link.vkst");
  fs::create_symlink("link.vkst", dir / "link-to-link.vkst");

  ASSERT_EQ(writeFileAtomically(dir / "link-to-link.vkst", "new"), std::nullopt);
  EXPECT_TRUE(fs::is_symlink(dir / "link.vkst"));
  EXPECT_TRUE(fs::is_symlink(dir / "link-to-link.vkst"));
  EXPECT_EQ(readBytes(dir / "real" / "target.vkst"), "new");
  EXPECT_FALSE(hasLeftoverTempFile(dir.path()));
  EXPECT_FALSE(hasLeftoverTempFile(dir / "real"));
}

TEST(AtomicWriteTest, DanglingSymbolicLinkCreatesTheFileItNames) {
  const TempDir dir;
  fs::create_symlink("made.vkst", dir / "link.vkst");
  ASSERT_EQ(writeFileAtomically(dir / "link.vkst", "new"), std::nullopt);
  EXPECT_TRUE(fs::is_symlink(dir / "link.vkst"));
  EXPECT_EQ(readBytes(dir / "made.vkst"), "new");
}

TEST(AtomicWriteTest, SymbolicLinkLoopFails) {
  const TempDir dir;
  fs::create_symlink("b", dir / "a");
  fs::create_symlink("a", dir / "b");
  const std::optional<FileError> error = writeFileAtomically(dir / "a", "new");
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->message, (dir / "a").string() +
                                ": cannot follow the symbolic link: Too many levels of symbolic "
                                "links");
  EXPECT_EQ(error->cause, "シンボリックリンクが循環しています");
  EXPECT_EQ(dir.entries(), (std::set<std::string>{"a", "b"}));
}

// Renaming over a device as root would replace the device node with a plain file.
TEST(AtomicWriteTest, RefusesADeviceAndLeavesItAlone) {
  const std::optional<FileError> error = writeFileAtomically("/dev/full", "data");
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->message, "/dev/full: is not a regular file, so it is not replaced");
  EXPECT_EQ(error->cause, "通常のファイルではないので、置き換えません");
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
  EXPECT_FALSE(hasLeftoverTempFile("/dev"));
}

TEST(AtomicWriteTest, RefusesADeviceBehindASymbolicLink) {
  const TempDir dir;
  fs::create_symlink("/dev/full", dir / "link");
  ASSERT_TRUE(writeFileAtomically(dir / "link", "data").has_value());
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
  EXPECT_TRUE(fs::is_symlink(dir / "link"));
}

TEST(AtomicWriteTest, RefusesAFolderAndLeavesItAlone) {
  const TempDir dir;
  fs::create_directory(dir / "folder.vkst");
  writeBytes(dir / "folder.vkst" / "inside", "x");
  const std::optional<FileError> error = writeFileAtomically(dir / "folder.vkst", "data");
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->message, (dir / "folder.vkst").string() + ": is a folder, not a file");
  EXPECT_EQ(error->cause, "同じ名前のフォルダーがあります");
  EXPECT_EQ(readBytes(dir / "folder.vkst" / "inside"), "x");
  EXPECT_EQ(dir.entries(), std::set<std::string>{"folder.vkst"});
}

TEST(AtomicWriteTest, FailsWhenTheFolderDoesNotExist) {
  const TempDir dir;
  const std::optional<FileError> error = writeFileAtomically(dir / "none" / "f.vkst", "data");
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->message, (dir / "none" / "f.vkst").string() +
                                ": cannot create a file in its folder: No such file or directory");
  EXPECT_EQ(error->cause, "保存先のフォルダーが見つかりません");
  EXPECT_TRUE(dir.entries().empty());
}

// A write that runs out of room part way must not have touched the old file.
TEST(AtomicWriteTest, WriteFailingPartWayLeavesTheOldFileAndNoTempFile) {
  const TempDir dir;
  const std::string oldBytes = "the old file, which must survive";
  writeBytes(dir / "f.vkst", oldBytes);
  EXPECT_TRUE(succeedsWithFileSizeLimit(100, [&] {
    const std::optional<FileError> error =
        writeFileAtomically(dir / "f.vkst", std::string(10000, 'n'));
    return error.has_value() &&
           error->message == (dir / "f.vkst").string() + ": cannot write: File too large" &&
           error->cause == "ディスクの空きが足りません";
  }));
  EXPECT_EQ(readBytes(dir / "f.vkst"), oldBytes);
  EXPECT_EQ(dir.entries(), std::set<std::string>{"f.vkst"});
}

// Who may replace which file, and whose it is afterwards: a file only its writers replace, and one
// with no write bit for anyone no one, root included; root keeps its owner, group and mode;
// anyone else keeps what they may give and no one gains access.
TEST(AtomicWriteTest, ReplacesOnlyWhatTheSaverMayWriteAndKeepsTheOwnershipItMay) {
  if (geteuid() != 0) {
    GTEST_SKIP() << "files of other users can only be made as root";
  }
  struct Case {
    const char* name;
    bool asRoot;
    Ownership before;
    std::optional<Ownership> after;  // empty: refused
  };
  constexpr uid_t nobody = kNobodyUser;
  constexpr gid_t nogroup = kNobodyGroup;
  const Case cases[] = {
      {"own-read-only", false, {nobody, nogroup, 0444}, std::nullopt},
      {"roots-readable", false, {0, 0, 0644}, std::nullopt},
      {"roots-group-writable", false, {0, nogroup, 0664}, Ownership{nobody, nogroup, 0664}},
      {"own-in-roots-group", false, {nobody, 0, 0640}, Ownership{nobody, nogroup, 0600}},
      {"nobodys-by-root", true, {nobody, nogroup, 0620}, Ownership{nobody, nogroup, 0620}},
      {"read-only-by-root", true, {nobody, nogroup, 0444}, std::nullopt},
  };
  const TempDir dir;
  ASSERT_EQ(chown(dir.path().c_str(), nobody, nogroup), 0);
  std::set<std::string> names;
  for (const Case& row : cases) {
    SCOPED_TRACE(row.name);
    const fs::path path = dir / row.name;
    names.insert(row.name);
    writeBytes(path, "old");
    ASSERT_EQ(chown(path.c_str(), row.before.owner, row.before.group), 0);
    ASSERT_EQ(chmod(path.c_str(), row.before.mode), 0);
    const auto save = [&] {
      const std::optional<FileError> error = writeFileAtomically(path, "new");
      return row.after ? !error
                       : error == FileError(path.string() + ": is not writable: Permission denied",
                                            "書き込みが許可されていません");
    };
    const std::optional<bool> saved = row.asRoot ? save() : succeedsAsOrdinaryUser(save);
    ASSERT_TRUE(saved.has_value()) << "no child can be made to run as the user nobody";
    EXPECT_TRUE(*saved);
    EXPECT_EQ(readBytes(path), row.after ? "new" : "old");
    EXPECT_EQ(ownershipOf(path), row.after.value_or(row.before));
  }
  EXPECT_EQ(dir.entries(), names);
}

// Bytes that differ at every offset from those of another seed, so a mix of two is never one.
std::string patternOf(std::size_t size, char seed) {
  std::string bytes(size, seed);
  for (std::size_t i = 0; i < size; i += 7) {
    bytes[i] = static_cast<char>(seed + i % 13);
  }
  return bytes;
}

bool isRename(std::uint64_t call) {
#ifdef SYS_rename
  if (call == SYS_rename) {
    return true;
  }
#endif
#ifdef SYS_renameat
  if (call == SYS_renameat) {
    return true;
  }
#endif
  return call == SYS_renameat2;
}

bool isFlush(std::uint64_t call) {
  return call == SYS_fsync || call == SYS_fdatasync;
}

// A system call the save made, with the file its first argument named when it flushed one.
struct Call {
  std::uint64_t number;
  std::uint64_t fd;
  fs::path flushed;
};

// Makes this process's system call number `call` fail with `error` where the low word of its
// argument `arg` passes `test` against `operand` (BPF_JSET: shares a bit with it, BPF_JEQ: equals
// it), as a file system or a disk that refuses it would; every other call goes through. False
// where the process may not filter its own system calls.
bool failSystemCall(std::uint32_t call, std::uint32_t arg, std::uint16_t test,
                    std::uint32_t operand, int error) {
#if defined(__x86_64__)
  constexpr std::uint32_t kArch = AUDIT_ARCH_X86_64;
#elif defined(__aarch64__)
  constexpr std::uint32_t kArch = AUDIT_ARCH_AARCH64;
#else
  // Matches no system call: the filter fails nothing, which the callers' probes find.
  constexpr std::uint32_t kArch = 0;
#endif
  const std::uint32_t argLowWord =
      static_cast<std::uint32_t>(offsetof(seccomp_data, args) + arg * sizeof(std::uint64_t) +
                                 (__BYTE_ORDER__ == __ORDER_BIG_ENDIAN__ ? 4 : 0));
  sock_filter filter[] = {
      BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
      BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, kArch, 0, 5),
      BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
      BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, call, 0, 3),
      BPF_STMT(BPF_LD | BPF_W | BPF_ABS, argLowWord),
      BPF_JUMP(static_cast<std::uint16_t>(BPF_JMP | test | BPF_K), operand, 0, 1),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (static_cast<std::uint32_t>(error) & 0xFFFF)),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
  };
  const sock_fprog program{static_cast<unsigned short>(std::size(filter)), filter};
  return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
         prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
}

// Makes every file system look to this process like one that refuses unnamed files: opening with
// O_TMPFILE fails with `error`, as it does there (EOPNOTSUPP, or EISDIR or EINVAL from older
// kernels and some file systems). Tells whether that took effect.
bool refuseUnnamedFiles(int error) {
  // O_TMPFILE includes O_DIRECTORY, which opening a folder also uses.
  constexpr std::uint32_t kTmpFileBit = O_TMPFILE & ~O_DIRECTORY;
  if (!failSystemCall(SYS_openat, 2, BPF_JSET, kTmpFileBit, error)) {
    return false;
  }
  const UniqueFd probe(openat(AT_FDCWD, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
  return !probe.valid() && errno == error;
}

bool canFilterSystemCalls() {
  return succeedsInChild([] { return refuseUnnamedFiles(EOPNOTSUPP); });
}

// The descriptor the next file this process opens gets: the lowest free one.
int nextDescriptor() {
  const int probe = open("/", O_RDONLY | O_CLOEXEC);
  close(probe);
  return probe;
}

// The two ways a save's new file comes to be: unnamed where the file system allows, named from
// the start where it has no unnamed files.
enum class NewFile { Unnamed, NamedFromTheStart };

void PrintTo(NewFile kind, std::ostream* out) {
  *out << (kind == NewFile::Unnamed ? "Unnamed" : "NamedFromTheStart");
}

class AtomicWriteNewFileTest : public ::testing::TestWithParam<NewFile> {
 protected:
  void SetUp() override {
    if (GetParam() == NewFile::NamedFromTheStart && !canFilterSystemCalls()) {
      GTEST_SKIP() << "this system does not let a process filter its own system calls";
    }
  }

  // Runs in the traced child, before the save.
  void stageFileSystem() const {
    if (GetParam() == NewFile::NamedFromTheStart) {
      refuseUnnamedFiles(EOPNOTSUPP);
    }
  }
};

// Killed at each system call it makes, a save leaves the old file or the new one, whole, and at
// most a temporary file that the next save removes.
TEST_P(AtomicWriteNewFileTest, SaveKilledAtEverySystemCallLeavesTheOldOrTheNewFileWhole) {
  const TempDir dir;
  const fs::path target = dir / "stage.vkst";
  const std::string oldBytes = patternOf(64 << 10, 'o');
  const std::string newBytes = patternOf(256 << 10, 'n');
  const auto save = [&] {
    stageFileSystem();
    (void)writeFileAtomically(target, newBytes);
  };
  const std::optional<int> stops =
      traceChild(save, [](int, const SyscallStop&, pid_t) { return true; });
  if (!stops) {
    GTEST_SKIP() << "this system does not allow tracing a child's system calls";
  }
  int oldFiles = 0, newFiles = 0, tempFilesLeft = 0, filesLost = 0;
  writeBytes(target, oldBytes);
  for (int killAt = 0; killAt <= *stops; ++killAt) {
    traceChild(save, [&](int stop, const SyscallStop&, pid_t) { return stop < killAt; });
    const std::string left = readBytes(target);
    oldFiles += left == oldBytes;
    newFiles += left == newBytes;
    filesLost += left != oldBytes && left != newBytes;
    EXPECT_TRUE(left == oldBytes || left == newBytes) << "killed at stop " << killAt;
    const std::set<std::string> entries = dir.entries();
    for (const std::string& name : entries) {
      EXPECT_TRUE(name == "stage.vkst" || name.starts_with(".vantoki-save.")) << name;
    }
    if (entries.size() > 1 || left != oldBytes) {
      tempFilesLeft += static_cast<int>(entries.size()) - 1;
      // The save that puts the old file back must also clear what the killed save left.
      ASSERT_EQ(writeFileAtomically(target, oldBytes), std::nullopt);
      ASSERT_EQ(dir.entries(), std::set<std::string>{"stage.vkst"}) << "after stop " << killAt;
    }
  }
  EXPECT_EQ(filesLost, 0);
  EXPECT_GT(newFiles, 0) << "the save not killed did not replace the file";
  std::cout << "kill points " << *stops + 1 << ": old file " << oldFiles << ", new file "
            << newFiles << ", temporary files left for the next save " << tempFilesLeft
            << ", files lost " << filesLost << "\n";
}

// A save reported done survives a power cut: the new bytes reach the disk before the rename
// makes them the file, and the folder, which holds the rename, after it.
TEST_P(AtomicWriteNewFileTest, FlushesTheNewBytesBeforeTheRenameAndTheFolderAfterIt) {
  const TempDir dir;
  writeBytes(dir / "f.vkst", "old");
  std::vector<Call> calls;
  const std::optional<int> stops = traceChild(
      [&] {
        stageFileSystem();
        (void)writeFileAtomically(dir / "f.vkst", "new");
      },
      [&](int, const SyscallStop& stop, pid_t child) {
        if (stop.op != PTRACE_SYSCALL_INFO_ENTRY) {
          return true;
        }
        Call call{stop.entry.nr, stop.entry.args[0], {}};
        if (isFlush(call.number)) {
          std::error_code ignored;
          call.flushed = fs::read_symlink(
              "/proc/" + std::to_string(child) + "/fd/" + std::to_string(call.fd), ignored);
        }
        calls.push_back(call);
        return true;
      });
  if (!stops) {
    GTEST_SKIP() << "this system does not allow tracing a child's system calls";
  }
  ASSERT_EQ(readBytes(dir / "f.vkst"), "new");
  const auto rename = std::find_if(calls.begin(), calls.end(),
                                   [](const Call& call) { return isRename(call.number); });
  ASSERT_NE(rename, calls.end());
  const auto flushedFile = std::find_if(
      std::make_reverse_iterator(rename), calls.rend(),
      [&](const Call& call) { return isFlush(call.number) && call.flushed != dir.path(); });
  ASSERT_NE(flushedFile, calls.rend()) << "no file flushed before the rename";
  EXPECT_TRUE(std::none_of(flushedFile.base(), rename, [&](const Call& call) {
    return call.number == SYS_write && call.fd == flushedFile->fd;
  })) << "bytes written after the flush";
  EXPECT_TRUE(std::any_of(rename, calls.end(), [&](const Call& call) {
    return isFlush(call.number) && call.flushed == dir.path();
  })) << "the folder is not flushed after the rename";
}

// Another save under way holds the temporary name this save draws first: this save draws again
// and goes through, and the other save's file stays as it was. The first name drawn is made all
// zeros by writing over the random bytes the save asked the system for.
TEST_P(AtomicWriteNewFileTest, TemporaryNameTakenByAnotherSaveIsDrawnAgain) {
  const TempDir dir;
  const fs::path taken = dir / ".vantoki-save.0000000000000000";
  writeBytes(taken, "another save's");
  const UniqueFd otherSave(open(taken.c_str(), O_RDONLY | O_CLOEXEC));
  ASSERT_EQ(flock(otherSave.get(), LOCK_EX), 0);
  constexpr int kStopsOfAStuckSave = 5000;
  std::uint64_t randomBytes = 0;
  int draws = 0;
  const std::optional<int> stops = traceChild(
      [&] {
        stageFileSystem();
        (void)writeFileAtomically(dir / "f.vkst", "new");
      },
      [&](int stop, const SyscallStop& call, pid_t child) {
        if (call.op == PTRACE_SYSCALL_INFO_ENTRY && call.entry.nr == SYS_getrandom) {
          randomBytes = call.entry.args[0];
        } else if (call.op == PTRACE_SYSCALL_INFO_EXIT && randomBytes != 0) {
          if (draws++ == 0) {
            ptrace(PTRACE_POKEDATA, child, randomBytes, 0);
          }
          randomBytes = 0;
        }
        return stop < kStopsOfAStuckSave;
      });
  if (!stops) {
    GTEST_SKIP() << "this system does not allow tracing a child's system calls";
  }
  EXPECT_EQ(draws, 2);
  EXPECT_EQ(readBytes(dir / "f.vkst"), "new");
  EXPECT_EQ(readBytes(taken), "another save's");
  EXPECT_EQ(dir.entries(), (std::set<std::string>{".vantoki-save.0000000000000000", "f.vkst"}));
}

INSTANTIATE_TEST_SUITE_P(Table, AtomicWriteNewFileTest,
                         ::testing::Values(NewFile::Unnamed, NewFile::NamedFromTheStart),
                         ::testing::PrintToStringParamName());

// A file system refuses an unnamed file in one of three ways, and in each the new file is named
// from the start; any other refusal fails the save, whose cause says why.
TEST(AtomicWriteTest, NamesTheNewFileFromTheStartOnlyWhereUnnamedFilesAreRefused) {
  if (!canFilterSystemCalls()) {
    GTEST_SKIP() << "this system does not let a process filter its own system calls";
  }
  struct Case {
    int error;
    const char* cause;  // none: saved
  };
  const Case cases[] = {{EOPNOTSUPP, nullptr},
                        {EISDIR, nullptr},
                        {EINVAL, nullptr},
                        {EACCES, "書き込みが許可されていません"}};
  for (const Case& row : cases) {
    SCOPED_TRACE(systemReason(row.error));
    const TempDir dir;
    writeBytes(dir / "f.vkst", "old");
    EXPECT_TRUE(succeedsInChild([&] {
      const std::optional<FileError> error = refuseUnnamedFiles(row.error)
                                                 ? writeFileAtomically(dir / "f.vkst", "new")
                                                 : FileError("no filter", "");
      return row.cause ? error && error->cause == row.cause : !error;
    }));
    EXPECT_EQ(readBytes(dir / "f.vkst"), row.cause ? "old" : "new");
    EXPECT_EQ(dir.entries(), std::set<std::string>{"f.vkst"});
  }
}

// The rename is on the disk once the folder is flushed: where the file system cannot flush a
// folder at all (EINVAL) the save is done, and any other failure is reported, with the file
// already replaced. The folder is the first file a save opens.
TEST(AtomicWriteTest, AFolderThatCannotBeFlushedFailsTheSaveUnlessItNeverCan) {
  if (!canFilterSystemCalls()) {
    GTEST_SKIP() << "this system does not let a process filter its own system calls";
  }
  for (const int refusal : {EINVAL, EIO}) {
    SCOPED_TRACE(systemReason(refusal));
    const TempDir dir;
    const fs::path path = dir / "f.vkst";
    writeBytes(path, "old");
    EXPECT_TRUE(succeedsInChild([&] {
      if (!failSystemCall(SYS_fsync, 0, BPF_JEQ, static_cast<std::uint32_t>(nextDescriptor()),
                          refusal)) {
        return false;
      }
      const std::optional<FileError> error = writeFileAtomically(path, "new");
      return refusal == EINVAL ? !error
                               : error && error->cause ==
                                              "ファイルは置き換えましたが、ディスクへの書き込みを"
                                              "確かめられませんでした";
    }));
    EXPECT_EQ(readBytes(path), "new");
  }
}

// Temporary files that killed saves left are removed by the next save in the folder; one that a
// save under way holds, anything that is not a file, and the player's files stay, also those
// named only nearly as a save names its temporary files.
TEST(AtomicWriteTest, NextSaveRemovesOnlyAbandonedTemporaryFiles) {
  const TempDir dir;
  writeBytes(dir / ".vantoki-save.0123456789abcdef", "left by a killed save");
  writeBytes(dir / ".vantoki-save.00000000000000ff", "another save's");
  for (const char* players : {".vantoki-save.notes", ".vantoki-save.0123456789ABCDEF",
                              ".vantoki-save.0123456789abcdef0", "notes.vantoki-save.txt"}) {
    writeBytes(dir / players, "the player's");
  }
  fs::create_directory(dir / ".vantoki-save.ffffffffffffffff");
  ASSERT_EQ(mkfifo((dir / ".vantoki-save.eeeeeeeeeeeeeeee").c_str(), 0600), 0);
  const UniqueFd inUse(
      open((dir / ".vantoki-save.00000000000000ff").c_str(), O_RDONLY | O_CLOEXEC));
  ASSERT_EQ(flock(inUse.get(), LOCK_EX), 0);

  EXPECT_TRUE(succeedsInChild([&] { return !writeFileAtomically(dir / "f.vkst", "new"); }));
  EXPECT_EQ(dir.entries(), (std::set<std::string>{
                               ".vantoki-save.00000000000000ff", ".vantoki-save.0123456789ABCDEF",
                               ".vantoki-save.0123456789abcdef0", ".vantoki-save.eeeeeeeeeeeeeeee",
                               ".vantoki-save.ffffffffffffffff", ".vantoki-save.notes", "f.vkst",
                               "notes.vantoki-save.txt"}));
  EXPECT_EQ(readBytes(dir / "f.vkst"), "new");
}

}  // namespace
}  // namespace vantoki
