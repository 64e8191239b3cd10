// Where the file commands' dialogs open and what they offer, with a scripted desktop and real
// folders, in the build tree's layout: the game's folder beside the program, where the player
// may write, yet where a rebuild would lose what is saved.
#include "commands/dialog_folders.h"

#include <gtest/gtest.h>

#include "fake_platform.h"
#include "io_test_files.h"

namespace vantoki {
namespace {

namespace fs = std::filesystem;

// Each step as the player meets it: loads before any save, the first save, loads once the
// player's folder holds a file, and a player without a home.
TEST(DialogFoldersTest, SavesGoToThePlayersFolderThoughTheGamesMayBeWritten) {
  const TempDir dir;
  const fs::path game = dir / "build" / "src" / "app" / "stagedata";
  const fs::path player = dir / "home" / "vantoki" / "stagedata";
  fs::create_directories(game);
  writeBytes(game / "shipped.vkst", "");
  testing::FakePlatform platform;
  platform.data = dir / "build" / "src" / "app";
  platform.player = dir / "home" / "vantoki";
  const std::vector<FolderPlace> both{{kPlayerPlaceName, player}, {kGamePlaceName, game}};

  const DialogFolders firstLoad = loadDialogFolders(platform, "stagedata");
  EXPECT_EQ(firstLoad.initial, game);
  EXPECT_EQ(firstLoad.places, both);
  EXPECT_FALSE(fs::exists(dir / "home" / "vantoki")) << "made only for a save";

  const SaveFolders save = saveDialogFolders(platform, "stagedata");
  EXPECT_EQ(save.dialog.initial, player);
  EXPECT_EQ(save.dialog.places, (std::vector<FolderPlace>{{kPlayerPlaceName, player}}));
  EXPECT_TRUE(fs::is_directory(player));
  EXPECT_FALSE(save.notMade);
  EXPECT_EQ(loadDialogFolders(platform, "stagedata").initial, game) << "while it is empty";

  writeBytes(player / "mine.vkst", "");
  const DialogFolders laterLoad = loadDialogFolders(platform, "stagedata");
  EXPECT_EQ(laterLoad.initial, player);
  EXPECT_EQ(laterLoad.places, both);

  platform.player.clear();
  EXPECT_EQ(saveDialogFolders(platform, "stagedata").dialog.places,
            (std::vector<FolderPlace>{{kGamePlaceName, game}}));
}

}  // namespace
}  // namespace vantoki
