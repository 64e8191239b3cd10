#include "commands/dialog_folders.h"

#include <system_error>

namespace vantoki {
namespace {

bool holdsAnything(const std::filesystem::path& folder) {
  std::error_code unreadable;
  return std::filesystem::is_directory(folder, unreadable) &&
         !std::filesystem::is_empty(folder, unreadable) && !unreadable;
}

// The player's folder of that kind, empty when the machine names no home for the player.
std::filesystem::path playerKindFolder(Platform& platform, const char* name) {
  const std::filesystem::path playerFolder = platform.playerFolder();
  return playerFolder.empty() ? playerFolder : (playerFolder / name).lexically_normal();
}

}  // namespace

SaveFolders saveDialogFolders(Platform& platform, const char* name) {
  const std::filesystem::path player = playerKindFolder(platform, name);
  if (player.empty()) {
    const std::filesystem::path game = platform.dataFolder() / name;
    return {{game, {{kGamePlaceName, game}}}, std::nullopt};
  }
  SaveFolders folders{{player, {{kPlayerPlaceName, player}}}, std::nullopt};
  std::error_code notMade;
  std::filesystem::create_directories(player, notMade);
  if (notMade) {
    folders.notMade =
        fileError(player, "cannot make the folder: " + notMade.message(),
                  systemCause(notMade.value(), FileUse::Writing, "フォルダーを作れません"));
  }
  return folders;
}

DialogFolders loadDialogFolders(Platform& platform, const char* name) {
  const std::filesystem::path game = platform.dataFolder() / name;
  const std::filesystem::path player = playerKindFolder(platform, name);
  if (player.empty()) {
    return {game, {{kGamePlaceName, game}}};
  }
  return {holdsAnything(player) ? player : game,
          {{kPlayerPlaceName, player}, {kGamePlaceName, game}}};
}

}  // namespace vantoki
