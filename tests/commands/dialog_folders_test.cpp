// Where the file commands' dialogs open and what they offer, with a scripted desktop and real
// folders: the game's data folder the player may write in (the build tree), and one the player
// may not (a system-wide installation), entered as the user nobody since root writes anywhere.
#include "commands/dialog_folders.h"

#include <gtest/gtest.h>

#include "fake_platform.h"
#include "io_test_files.h"

namespace vantoki {
namespace {

namespace fs = std::filesystem;

class DialogFoldersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(game);
    writeBytes(game / "shipped.vkst", "");
    // Open to the user nobody, who must find the game's folder and make a folder of his own.
    fs::permissions(dir.path(), fs::perms::all);
    fs::create_directory(dir / "home");
    fs::permissions(dir / "home", fs::perms::all);
    platform.data = dir / "data";
    platform.player = dir / "home" / "vantoki";
  }

  TempDir dir;
  fs::path game = dir / "data" / "stagedata";
  fs::path player = dir / "home" / "vantoki" / "stagedata";
  testing::FakePlatform platform;
};

TEST_F(DialogFoldersTest, AFolderThePlayerMayWriteInIsTheOnlyOne) {
  for (const DialogFolders& folders :
       {saveDialogFolders(platform, "stagedata"), loadDialogFolders(platform, "stagedata")}) {
    EXPECT_EQ(folders.initial, game);
    EXPECT_EQ(folders.places, (std::vector<FolderPlace>{{kGamePlaceName, game}}));
  }
  EXPECT_FALSE(fs::exists(dir / "home" / "vantoki"));
}

// Each step as the player meets it, in one child run as nobody: loads before any save, the first
// save, loads once the player's folder holds a file, and a player without a home.
TEST_F(DialogFoldersTest, SavesGoToThePlayersFolderWhereTheGamesMayNotBeWritten) {
  const std::vector<FolderPlace> both{{kPlayerPlaceName, player}, {kGamePlaceName, game}};
  const std::optional<bool> asPlayerExpects = succeedsWithoutWriteAccess(game, [&] {
    const DialogFolders firstLoad = loadDialogFolders(platform, "stagedata");
    const bool loadsShippedFirst = firstLoad.initial == game && firstLoad.places == both &&
                                   !fs::exists(dir / "home" / "vantoki");

    const DialogFolders save = saveDialogFolders(platform, "stagedata");
    const bool savesInOwnFolder =
        save.initial == player &&
        save.places == std::vector<FolderPlace>{{kPlayerPlaceName, player}} &&
        fs::is_directory(player);
    const bool loadsShippedWhileEmpty = loadDialogFolders(platform, "stagedata").initial == game;

    writeBytes(player / "mine.vkst", "");
    const DialogFolders laterLoad = loadDialogFolders(platform, "stagedata");
    const bool loadsOwnOnceSaved = laterLoad.initial == player && laterLoad.places == both;

    platform.player.clear();
    const bool homelessSavesInGames = saveDialogFolders(platform, "stagedata").initial == game;
    return loadsShippedFirst && savesInOwnFolder && loadsShippedWhileEmpty && loadsOwnOnceSaved &&
           homelessSavesInGames;
  });
  if (!asPlayerExpects) {
    GTEST_SKIP() << "run as root, and no child can be made to run as the user nobody";
  }
  EXPECT_TRUE(*asPlayerExpects);
}

}  // namespace
}  // namespace vantoki
