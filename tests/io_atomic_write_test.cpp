#include "io/atomic_write.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "io_test_files.h"

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
  EXPECT_EQ(dir.entries(), (std::set<std::string>{"a", "b"}));
}

// Renaming over a device as root would replace the device node with a plain file.
TEST(AtomicWriteTest, RefusesADeviceAndLeavesItAlone) {
  const std::optional<FileError> error = writeFileAtomically("/dev/full", "data");
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->message, "/dev/full: is not a regular file, so it is not replaced");
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
  EXPECT_EQ(readBytes(dir / "folder.vkst" / "inside"), "x");
  EXPECT_EQ(dir.entries(), std::set<std::string>{"folder.vkst"});
}

TEST(AtomicWriteTest, FailsWhenTheFolderDoesNotExist) {
  const TempDir dir;
  const std::optional<FileError> error = writeFileAtomically(dir / "none" / "f.vkst", "data");
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->message, (dir / "none" / "f.vkst").string() +
                                ": cannot create a file in its folder: No such file or directory");
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
           error->message == (dir / "f.vkst").string() + ": cannot write: File too large";
  }));
  EXPECT_EQ(readBytes(dir / "f.vkst"), oldBytes);
  EXPECT_EQ(dir.entries(), std::set<std::string>{"f.vkst"});
}

}  // namespace
}  // namespace vantoki
