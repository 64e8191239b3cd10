// Saving and loading the stage set as the window's two buttons do, with a scripted desktop:
// every question and message, the silent ends, and what a failed load leaves alone.
#include "commands/stage_data_commands.h"

#include "commands/file_commands.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <fstream>

#include "board_fixture.h"
#include "fake_platform.h"
#include "io/file_name_check.h"
#include "io/stage_data_file.h"
#include "io_test_files.h"

namespace vantoki {
namespace {

using testing::ShownMessage;

StageSet sampleSet() {
  StageSet set = initialStageSet();
  set.dataSetName = "練習セット";
  set.stageNames[0] = "はじめの一歩";
  set.stageCells[0] = testing::walledBoardWith({{3, 13, code(Tile::Player)}, {9, 13, 66}});
  set.stageNames[9] = "";
  return set;
}

// A failure as the window shows it: the fixed line with the full path, then the cause.
std::string loadFailure(const std::filesystem::path& path, const std::string& cause) {
  return "エラー: 原因不明のエラーで、" + path.string() + "をデータロードできませんでした\r\n" +
         cause;
}
std::string saveFailure(const std::filesystem::path& path, const std::string& cause) {
  return "エラー: 原因不明のエラーで、" + path.string() + "をデータセーブできませんでした\r\n" +
         cause;
}

class StageDataCommandsTest : public ::testing::Test {
 protected:
  // Loads through the command; the installed set, if any, lands in `installed`.
  void load() {
    loadStageData(platform, [this](StageSet set) {
      ++installs;
      installed = std::move(set);
    });
  }

  std::vector<std::string> messageTexts() const {
    std::vector<std::string> texts;
    for (const ShownMessage& message : platform.messages) {
      texts.push_back(message.title + ": " + message.text);
    }
    return texts;
  }

  TempDir dir;
  testing::FakePlatform platform;
  StageSet installed;
  int installs = 0;
};

TEST_F(StageDataCommandsTest, DialogsOpenOnTheStageDataFolderWithTheirFilter) {
  platform.data = "/opt/vantoki";
  saveStageData(platform, sampleSet());
  load();
  ASSERT_EQ(platform.dialogFilters.size(), 2u);
  for (int dialog = 0; dialog < 2; ++dialog) {
    EXPECT_EQ(platform.dialogFilters[dialog].description, "Vantoki　ステージデータ (*.vkst)");
    EXPECT_EQ(platform.dialogFilters[dialog].pattern, "*.vkst");
    EXPECT_EQ(platform.dialogFolders[dialog].initial,
              std::filesystem::path("/opt/vantoki/stagedata"));
  }
  EXPECT_TRUE(platform.messages.empty()) << "a cancelled dialog ends silently";
  EXPECT_EQ(installs, 0);
}

TEST_F(StageDataCommandsTest, SaveToANewFileAsksNothingAndLoadGivesTheSameSetBack) {
  const std::filesystem::path path = dir / "set.vkst";
  platform.files = {path, path};
  saveStageData(platform, sampleSet());
  load();
  EXPECT_EQ(messageTexts(), (std::vector<std::string>{"メッセージ: データセーブが完了しました",
                                                      "メッセージ: データロードが完了しました"}));
  EXPECT_EQ(installs, 1);
  EXPECT_EQ(installed, sampleSet());
}

TEST_F(StageDataCommandsTest, OverwriteIsAskedAndNoKeepsTheFileByteForByte) {
  const std::filesystem::path path = dir / "set.vkst";
  writeBytes(path, "not a stage file");
  platform.files = {path, path};
  platform.answers = {MessageAnswer::No, MessageAnswer::Yes};
  saveStageData(platform, sampleSet());
  EXPECT_EQ(readBytes(path), "not a stage file");
  saveStageData(platform, sampleSet());
  EXPECT_EQ(messageTexts(),
            (std::vector<std::string>{"確認: 同名のファイルが存在します。上書きしますか？",
                                      "確認: 同名のファイルが存在します。上書きしますか？",
                                      "メッセージ: データセーブが完了しました"}));
  EXPECT_EQ(platform.messages[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(readStageDataFile(path).value(), sampleSet());
}

TEST_F(StageDataCommandsTest, FailedSaveNamesTheFullPath) {
  const std::filesystem::path missingFolder = dir / "no such folder" / "set.vkst";
  platform.files = {missingFolder};
  saveStageData(platform, sampleSet());
  EXPECT_EQ(
      messageTexts(),
      (std::vector<std::string>{saveFailure(missingFolder, "保存先のフォルダーが見つかりません")}));
  EXPECT_EQ(platform.messages.front().buttons, MessageButtons::Ok);
}

// A file the save could not replace is refused with its cause instead of being offered for
// replacing: one with no write bit for anyone stays so for root too.
TEST_F(StageDataCommandsTest, FileThatCannotBeReplacedIsRefusedBeforeTheQuestion) {
  const std::filesystem::path path = dir / "kept.vkst";
  writeBytes(path, "kept");
  std::filesystem::permissions(path, std::filesystem::perms::owner_read);
  platform.files = {path};
  platform.answers = {MessageAnswer::Yes};
  EXPECT_FALSE(saveStageData(platform, sampleSet()));
  EXPECT_EQ(messageTexts(),
            (std::vector<std::string>{saveFailure(path, "書き込みが許可されていません")}));
  EXPECT_EQ(readBytes(path), "kept");
}

// The player's folder that could not be made is why a save there fails: a data home in a folder
// the player may not write in (as nobody, since root may write anywhere).
TEST_F(StageDataCommandsTest, SaveIntoAPlayersFolderNotMadeSaysWhyItWasNot) {
  std::filesystem::permissions(dir.path(), std::filesystem::perms::all);
  std::filesystem::create_directory(dir / "locked");
  platform.player = dir / "locked" / "vantoki";
  const std::filesystem::path path = platform.player / "stagedata" / "set.vkst";
  platform.files = {path};
  const std::optional<bool> told = succeedsWithoutWriteAccess(dir / "locked", [&] {
    return !saveStageData(platform, sampleSet()) &&
           messageTexts() ==
               std::vector<std::string>{saveFailure(path, "書き込みが許可されていません")};
  });
  if (!told) {
    GTEST_SKIP() << "run as root, and no child can be made to run as the user nobody";
  }
  EXPECT_TRUE(*told);
}

// A name left empty, which the page's own save dialog refuses, leaves no gap in the fixed line;
// the cause says what was wrong.
TEST_F(StageDataCommandsTest, AnEmptyNameLeavesNoGapInTheFailure) {
  reportSaveFailure(platform, {}, *checkFileName(""));
  EXPECT_EQ(
      messageTexts(),
      (std::vector<std::string>{
          "エラー: 原因不明のエラーで、データセーブできませんでした\r\nファイル名がありません"}));
}

// A data home that is a file, not a folder, stands in the way of the player's folder: the save
// says so, where a missing folder would send the player looking for it.
TEST_F(StageDataCommandsTest, SaveIntoAPlayersFolderBehindAFileSaysTheFileIsInTheWay) {
  writeBytes(dir / "data-home", "a file");
  platform.player = dir / "data-home" / "vantoki";
  const std::filesystem::path path = platform.player / "stagedata" / "set.vkst";
  platform.files = {path};
  EXPECT_FALSE(saveStageData(platform, sampleSet()));
  EXPECT_EQ(messageTexts(), (std::vector<std::string>{saveFailure(
                                path, "保存先のフォルダーの場所にファイルがあります")}));
}

// An overwrite the player agreed to that then runs out of room is reported after the question;
// what the failed save leaves on the disk is the atomic writer's to test.
TEST_F(StageDataCommandsTest, FailedOverwriteIsReportedAfterTheQuestion) {
  const std::filesystem::path path = dir / "set.vkst";
  ASSERT_FALSE(writeStageDataFile(path, initialStageSet()));
  platform.files = {path};
  platform.answers = {MessageAnswer::Yes};
  EXPECT_TRUE(succeedsWithFileSizeLimit(100, [&] {
    saveStageData(platform, sampleSet());
    return messageTexts() ==
           std::vector<std::string>{"確認: 同名のファイルが存在します。上書きしますか？",
                                    saveFailure(path, "ディスクの空きが足りません")};
  }));
}

// The page hands the browser exactly the file a finished save wrote: with the extension the save
// added, told before the message that the save is done, and never for a save that did not happen.
TEST_F(StageDataCommandsTest, OnlyAFinishedSaveTellsThePlatformTheFileItWrote) {
  const std::filesystem::path existing = dir / "old.vkst";
  writeBytes(existing, "kept");
  platform.files = {std::nullopt, existing, dir / "no such folder" / "set.vkst", dir / "set"};
  platform.answers = {MessageAnswer::No};
  for (int save = 0; save < 4; ++save) {
    saveStageData(platform, sampleSet());
  }
  ASSERT_EQ(platform.savedFiles.size(), 1u);
  EXPECT_EQ(platform.savedFiles[0].path, dir / "set.vkst");
  EXPECT_EQ(platform.savedFiles[0].messagesBefore, 2u) << "after the question and the failure";
  EXPECT_EQ(platform.messages.size(), 3u);
}

// The page keeps a saved file in the browser's storage; a file it could not keep is no save done.
TEST_F(StageDataCommandsTest, AFileThePlatformCouldNotKeepIsAFailedSave) {
  const std::filesystem::path path = dir / "set.vkst";
  platform.files = {path};
  platform.keepFailure = FileError("set.vkst: not kept", "保存できませんでした");
  EXPECT_FALSE(saveStageData(platform, sampleSet()));
  EXPECT_EQ(messageTexts(), (std::vector<std::string>{saveFailure(path, "保存できませんでした")}));
}

// Only a folder chosen ends the load silently; anything else the dialog hands back, even a file
// gone since it was listed, is the reader's to refuse with its cause.
TEST_F(StageDataCommandsTest, LoadOfAnythingButAFileSaysWhatItIs) {
  ASSERT_EQ(mkfifo((dir / "fifo.vkst").c_str(), 0600), 0);
  std::filesystem::create_symlink("loop.vkst", dir / "loop.vkst");
  struct Case {
    std::filesystem::path chosen;
    const char* cause;  // none: silent
  };
  for (const Case& pick :
       {Case{dir.path(), nullptr}, Case{dir / "gone.vkst", "ファイルが見つかりません"},
        Case{dir / "fifo.vkst", "通常のファイルではありません"},
        Case{"/dev/null", "通常のファイルではありません"},
        Case{dir / "loop.vkst", "シンボリックリンクが循環しています"}}) {
    platform.messages.clear();
    platform.files = {pick.chosen};
    load();
    EXPECT_EQ(messageTexts(), pick.cause
                                  ? std::vector<std::string>{loadFailure(pick.chosen, pick.cause)}
                                  : std::vector<std::string>{})
        << pick.chosen;
  }
  EXPECT_EQ(installs, 0);
}

TEST_F(StageDataCommandsTest, CutOffFileReportsTheFailureAndInstallsNothing) {
  const std::filesystem::path path = dir / "cut.vkst";
  ASSERT_FALSE(writeStageDataFile(path, sampleSet()));
  const std::string whole = readBytes(path);
  writeBytes(path, whole.substr(0, whole.size() / 2));
  platform.files = {path};
  load();
  EXPECT_EQ(installs, 0);
  EXPECT_EQ(messageTexts(),
            (std::vector<std::string>{loadFailure(
                path, "ファイルが途中で終わっています（81行しかありません。161行のはずです）")}));
}

// A stage file named on the command line loads as the load button loads one, without the
// completion message; a failure is reported.
// A name typed without its extension opens the file a save would have named so, unless a file
// of the name as typed is there.
TEST_F(StageDataCommandsTest, LoadOfANameTypedWithoutItsExtensionFindsTheSavedFile) {
  ASSERT_FALSE(writeStageDataFile(dir / "mine.vkst", sampleSet()));
  platform.files = {dir / "mine"};
  load();
  EXPECT_EQ(installed, sampleSet());
  EXPECT_EQ(messageTexts(), (std::vector<std::string>{"メッセージ: データロードが完了しました"}));

  std::ofstream(dir / "mine") << "not a stage set";
  platform.messages.clear();
  platform.files = {dir / "mine"};
  load();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].text.find("をデータロードできませんでした"), std::string::npos);
}

TEST_F(StageDataCommandsTest, LoadFromAGivenPathReportsOnlyFailures) {
  const std::filesystem::path path = dir / "given.vkst";
  ASSERT_FALSE(writeStageDataFile(path, sampleSet()));
  const auto install = [this](StageSet set) {
    ++installs;
    installed = std::move(set);
  };
  EXPECT_TRUE(loadStageDataFrom(platform, path, install));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(installed, sampleSet());
  EXPECT_FALSE(loadStageDataFrom(platform, dir / "missing.vkst", install));
  EXPECT_EQ(installs, 1);
  EXPECT_EQ(
      messageTexts(),
      (std::vector<std::string>{loadFailure(dir / "missing.vkst", "ファイルが見つかりません")}));
}

// A name typed without an extension is saved with the filter's, so the load dialog shows it; the
// question before overwriting asks about the file that would really be replaced.
TEST_F(StageDataCommandsTest, SaveAddsTheExtensionToANameTypedWithoutOne) {
  ASSERT_FALSE(writeStageDataFile(dir / "kept.vkst", initialStageSet()));
  struct Case {
    const char* typed;
    const char* written;
  };
  for (const Case& save : {Case{"set", "set.vkst"}, Case{"notes.txt", "notes.txt"},
                           Case{"my.set", "my.set"}, Case{"kept", "kept.vkst"}}) {
    platform.messages.clear();
    platform.files = {dir / save.typed};
    platform.answers = {MessageAnswer::Yes};
    saveStageData(platform, sampleSet());
    EXPECT_EQ(readStageDataFile(dir / save.written).value(), sampleSet()) << save.typed;
    EXPECT_EQ(platform.messages.size(), std::string_view(save.typed) == "kept" ? 2u : 1u)
        << save.typed;
  }
  EXPECT_EQ(dir.entries(), (std::set<std::string>{"kept.vkst", "my.set", "notes.txt", "set.vkst"}));
  EXPECT_EQ(withFilterExtension("replay", FileFilter{"", "*.vkrp"}), "replay.vkrp");
}

}  // namespace
}  // namespace vantoki
