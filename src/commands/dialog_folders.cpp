#include "commands/dialog_folders.h"

#include <unistd.h>

#include <system_error>

namespace vantoki {
namespace {

// Asked of the system rather than read from the permission bits, so that the groups, the access
// lists and a read-only mount all count as they will for the save.
bool playerMayWriteIn(const std::filesystem::path& folder) {
  std::error_code unreadable;
  return std::filesystem::is_directory(folder, unreadable) &&
         access(folder.c_str(), W_OK | X_OK) == 0;
}

bool holdsAnything(const std::filesystem::path& folder) {
  std::error_code unreadable;
  return std::filesystem::is_directory(folder, unreadable) &&
         !std::filesystem::is_empty(folder, unreadable) && !unreadable;
}

// The game's folder of that kind, and the player's when saves go there instead; empty when they
// go to the game's.
struct KindFolders {
  std::filesystem::path game;
  std::filesystem::path player;
};

KindFolders kindFolders(Platform& platform, const char* name) {
  const std::filesystem::path game = platform.dataFolder() / name;
  const std::filesystem::path playerFolder = platform.playerFolder();
  // Without a home there is nowhere better: the save then says why it failed.
  if (playerMayWriteIn(game) || playerFolder.empty()) {
    return {game, {}};
  }
  return {game, playerFolder / name};
}

}  // namespace

DialogFolders saveDialogFolders(Platform& platform, const char* name) {
  const KindFolders folders = kindFolders(platform, name);
  if (folders.player.empty()) {
    return {folders.game, {{kGamePlaceName, folders.game}}};
  }
  // A folder that cannot be made shows as such in the dialog, with its cause.
  std::error_code notMade;
  std::filesystem::create_directories(folders.player, notMade);
  return {folders.player, {{kPlayerPlaceName, folders.player}}};
}

DialogFolders loadDialogFolders(Platform& platform, const char* name) {
  const KindFolders folders = kindFolders(platform, name);
  if (folders.player.empty()) {
    return {folders.game, {{kGamePlaceName, folders.game}}};
  }
  return {holdsAnything(folders.player) ? folders.player : folders.game,
          {{kPlayerPlaceName, folders.player}, {kGamePlaceName, folders.game}}};
}

}  // namespace vantoki
