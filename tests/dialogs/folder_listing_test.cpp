// The file dialog's listing of a real folder, without a window: which entries show, in what
// order, as what text, with which bytes, and what an unreadable folder says.
#include "dialogs/folder_listing.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "io_test_files.h"

namespace vantoki {
namespace {

// "テスト.vkst" in code page 932.
const std::string kShiftJisName = "\x83\x65\x83\x58\x83\x67.vkst";

class FolderListingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(dir / "sub");
    std::filesystem::create_directory(dir / ".git");
    for (const std::string& name :
         {std::string("b.vkst"), std::string("ステージ.vkst"), kShiftJisName,
          std::string("bad\xff\xfe.vkst"), std::string("tab\tname.vkst"), std::string("UPPER.VKST"),
          std::string(".hidden.vkst"), std::string("notes.txt")}) {
      writeBytes(dir / name, "");
    }
    // Opening a FIFO with no writer would wait for ever.
    ASSERT_EQ(mkfifo((dir / "pipe.vkst").c_str(), 0600), 0);
  }

  std::vector<std::string> namesListed(std::string_view pattern) {
    std::vector<std::string> listed;
    for (const FolderEntry& entry : listFolder(dir.path(), pattern).entries) {
      listed.push_back(entry.name);
    }
    return listed;
  }

  TempDir dir;
};

TEST_F(FolderListingTest, FoldersFirstThenMatchingFilesByTheirShownNamesEachWithItsOwnBytes) {
  const FolderListing listing = listFolder(dir.path(), "*.vkst");
  const std::vector<FolderEntry> expected = {
      {"sub", "sub", true},
      {"b.vkst", "b.vkst", false},
      {"bad\xff\xfe.vkst", "bad\\xff\\xfe.vkst", false},  // neither UTF-8 nor code page 932
      {"pipe.vkst", "pipe.vkst", false},
      {"tab\tname.vkst", "tab\\x09name.vkst", false},
      {"UPPER.VKST", "UPPER.VKST", false},
      {"ステージ.vkst", "ステージ.vkst", false},
      {kShiftJisName, "テスト.vkst", false},
  };
  EXPECT_EQ(listing.entries, expected);
  EXPECT_EQ(listing.problem, "");
}

TEST_F(FolderListingTest, HiddenNamesAreListedWhenAskedFor) {
  std::vector<std::string> listed;
  for (const FolderEntry& entry : listFolder(dir.path(), "*.vkst", HiddenNames::Listed).entries) {
    listed.push_back(entry.name);
  }
  EXPECT_EQ(listed, (std::vector<std::string>{".git", "sub", ".hidden.vkst", "b.vkst",
                                              "bad\xff\xfe.vkst", "pipe.vkst", "tab\tname.vkst",
                                              "UPPER.VKST", "ステージ.vkst", kShiftJisName}));
}

TEST_F(FolderListingTest, ThePatternChoosesTheFilesButNeverHidesAFolder) {
  const std::vector<std::string> all = {"sub",        "b.vkst",        "bad\xff\xfe.vkst",
                                        "notes.txt",  "pipe.vkst",     "tab\tname.vkst",
                                        "UPPER.VKST", "ステージ.vkst", kShiftJisName};
  EXPECT_EQ(namesListed("*"), all);
  EXPECT_EQ(namesListed("*e.VKST"),
            (std::vector<std::string>{"sub", "pipe.vkst", "tab\tname.vkst"}));
}

TEST_F(FolderListingTest, AFolderThatCannotBeReadListsNothingAndSaysWhy) {
  const FolderListing missing = listFolder(dir / "missing", "*");
  EXPECT_TRUE(missing.entries.empty());
  EXPECT_EQ(missing.problem, "このフォルダーはありません。");

  // Root reads any folder, so the child lists it as the user nobody.
  constexpr int kCannotDropRoot = 77;
  constexpr uid_t kNobody = 65534;
  std::filesystem::permissions(dir.path(), std::filesystem::perms::others_exec,
                               std::filesystem::perm_options::add);
  writeBytes(dir / "sub" / "a.vkst", "");
  std::filesystem::permissions(dir / "sub", std::filesystem::perms::none);
  const int code = exitCodeInChild([&] {
    if (geteuid() == 0 &&
        (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
      return kCannotDropRoot;
    }
    const FolderListing unreadable = listFolder(dir / "sub", "*");
    return unreadable.entries.empty() &&
                   unreadable.problem == "このフォルダーを読む権限がありません。"
               ? 0
               : 1;
  });
  std::filesystem::permissions(dir / "sub", std::filesystem::perms::owner_all);
  if (code == kCannotDropRoot) {
    GTEST_SKIP() << "no user to read the folder as";
  }
  EXPECT_EQ(code, 0);
}

}  // namespace
}  // namespace vantoki
