#include "commands/game_folders.h"

#include <system_error>

namespace vantoki {
namespace {

// Null, empty and relative values count as unset: a relative data home would depend on the
// folder the game happened to be started from.
std::filesystem::path absoluteOrEmpty(const char* value) {
  const std::filesystem::path path = value == nullptr ? "" : value;
  return path.is_absolute() ? path : std::filesystem::path();
}

}  // namespace

std::filesystem::path dataFolderFrom(const std::filesystem::path& programFolder,
                                     const std::filesystem::path& dataFromProgram) {
  const std::filesystem::path installed = (programFolder / dataFromProgram).lexically_normal();
  std::error_code unreadable;
  if (!dataFromProgram.empty() &&
      std::filesystem::is_directory(installed / "stagedata", unreadable)) {
    return installed;
  }
  return programFolder;
}

std::filesystem::path playerFolderFrom(const char* xdgDataHome, const char* home) {
  std::filesystem::path dataHome = absoluteOrEmpty(xdgDataHome);
  if (dataHome.empty()) {
    const std::filesystem::path homeFolder = absoluteOrEmpty(home);
    if (homeFolder.empty()) {
      return {};
    }
    dataHome = homeFolder / ".local" / "share";
  }
  return dataHome / "vantoki";
}

}  // namespace vantoki
