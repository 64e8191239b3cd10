// The game's file dialog without a window: what the events of its controls come to, in a real
// folder. What a typed name comes to is the model's test; how the desktop's widgets hand the
// events on is the dialog's.
#include "dialogs/file_chooser_controller.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "fake_platform.h"
#include "io_test_files.h"
#include "published_changes.h"

namespace vantoki {
namespace {

using Events = std::function<void(FileChooserController&)>;

TEST(FileChooserControllerTest, EventsComeToAFolderShownAFileChosenOrAMessage) {
  struct Case {
    const char* name;
    FileChooserPurpose purpose;
    Events events;
    std::string folder;  // shown at the end, below the test's folder
    std::string nameBox;
    std::string chosen;  // below the test's folder; empty: none
    bool closed;
    bool refused;  // said that there is no such file, and the name box took the focus
  };
  using enum FileChooserPurpose;
  // Entries of the test's folder in the order they list: the folder "sub", then "a.vkst", "b.vkst".
  const std::vector<Case> cases = {
      {"a file selected shows in the name box and is chosen", Open,
       [](auto& chooser) {
         chooser.chooseItem("entryList", 1);
         chooser.click("chooseButton");
       },
       "", "a.vkst", "a.vkst", true, false},
      {"a folder selected leaves the name typed", Open,
       [](auto& chooser) {
         chooser.editText("nameBox", "b.vkst");
         chooser.chooseItem("entryList", 0);
         chooser.click("chooseButton");
       },
       "", "b.vkst", "b.vkst", true, false},
      {"Return in the list opens what is selected there", Open,
       [](auto& chooser) {
         chooser.editText("nameBox", "b.vkst");
         chooser.chooseItem("entryList", 0);
         chooser.focusMoved("entryList");
         chooser.click("chooseButton");
       },
       "/sub", "b.vkst", "", false, false},
      {"a folder typed is entered and the name box emptied", Open,
       [](auto& chooser) {
         chooser.editText("nameBox", "sub");
         chooser.click("chooseButton");
       },
       "/sub", "", "", false, false},
      {"a double click chooses", Save, [](auto& chooser) { chooser.openItem("entryList", 2); }, "",
       "", "b.vkst", true, false},
      {"a missing name to open is refused", Open,
       [](auto& chooser) {
         chooser.editText("nameBox", "none.vkst");
         chooser.click("chooseButton");
       },
       "", "none.vkst", "", false, true},
      {"a new name to save is chosen", Save,
       [](auto& chooser) {
         chooser.editText("nameBox", "new.vkst");
         chooser.click("chooseButton");
       },
       "", "new.vkst", "new.vkst", true, false},
      {"up, then the place", Open,
       [](auto& chooser) {
         chooser.click("upButton");
         chooser.chooseItem("placeList", 0);
       },
       "/sub", "", "", false, false},
      {"キャンセル", Save,
       [](auto& chooser) {
         chooser.editText("nameBox", "new.vkst");
         chooser.click("cancelButton");
       },
       "", "new.vkst", "", true, false},
  };
  const TempDir dir;
  std::filesystem::create_directory(dir / "sub");
  writeBytes(dir / "a.vkst", "");
  writeBytes(dir / "b.vkst", "");
  writeBytes(dir / "c.txt", "");
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    testing::FakePlatform platform;
    FileChooserController chooser(test.purpose, {"ステージデータ (*.vkst)", "*.vkst"},
                                  {dir.path(), {{"下", dir / "sub"}}}, platform);
    testing::PublishedChanges shown;
    chooser.screen().setListener(shown.listener());
    chooser.opened();
    test.events(chooser);
    EXPECT_EQ(shown.caption("folderLine"), dir.path().native() + test.folder);
    EXPECT_EQ(chooser.screen().caption("nameBox"), test.nameBox);
    EXPECT_EQ(chooser.chosen(),
              test.chosen.empty() ? std::nullopt : std::optional(dir / test.chosen));
    EXPECT_EQ(chooser.closed(), test.closed);
    EXPECT_EQ(platform.messages.size(), test.refused ? 1u : 0u);
    EXPECT_EQ(std::count(shown.changes.begin(), shown.changes.end(), focused("nameBox")),
              test.refused ? 2 : 1);
  }
}

// What the dialog shows as it opens, and the other files once every type is asked for.
TEST(FileChooserControllerTest, ShowsTheFolderItsPlacesAndTheFilesOfItsType) {
  const TempDir dir;
  std::filesystem::create_directory(dir / "sub");
  writeBytes(dir / "a.vkst", "");
  writeBytes(dir / "c.txt", "");
  testing::FakePlatform platform;
  FileChooserController chooser(FileChooserPurpose::Save, {"ステージデータ (*.vkst)", "*.vkst"},
                                {dir.path(), {{"ここ", dir.path()}, {"下", dir / "sub"}}},
                                platform);
  testing::PublishedChanges shown;
  chooser.screen().setListener(shown.listener());
  chooser.opened();
  EXPECT_EQ(shown.caption("FileChooser"), "名前を付けて保存");
  EXPECT_EQ(shown.caption("chooseButton"), "保存");
  EXPECT_TRUE(shown.on("folderLine", ControlChange::What::Locked));
  EXPECT_EQ(shown.caption("placeList"), "ここ/\n下/\n");
  EXPECT_EQ(shown.last("placeList", ControlChange::What::Selected)->index, 0);
  EXPECT_EQ(shown.caption("typeBox"), "ステージデータ (*.vkst)\nすべてのファイル (*)");
  EXPECT_EQ(shown.caption("entryList"), "sub/\na.vkst\n");
  chooser.chooseItem("typeBox", 1);
  EXPECT_EQ(shown.caption("entryList"), "sub/\na.vkst\nc.txt\n");
  chooser.chooseItem("placeList", 1);
  EXPECT_EQ(shown.caption("folderLine"), (dir / "sub").native());
  EXPECT_EQ(shown.caption("entryList"), "");
}

}  // namespace
}  // namespace vantoki
