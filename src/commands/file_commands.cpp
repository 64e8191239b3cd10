#include "commands/file_commands.h"

#include <string>

namespace vantoki {
namespace {

// The fixed first line names the file; the second says the cause in the player's words.
void reportFailure(Platform& platform, const std::filesystem::path& path, const char* what,
                   const FileError& error) {
  platform.showMessage("原因不明のエラーで、" + path.string() + what + "\r\n" + error.cause,
                       "エラー", MessageButtons::Ok);
}

}  // namespace

std::filesystem::path withFilterExtension(const std::filesystem::path& path,
                                          const FileFilter& filter) {
  if (path.has_extension() || !filter.pattern.starts_with("*.")) {
    return path;
  }
  std::filesystem::path named = path;
  named += filter.pattern.substr(1);
  return named;
}

std::filesystem::path folderBesideProgram(Platform& platform, const char* name) {
  return platform.programFolder() / name;
}

void saveThroughDialog(
    Platform& platform, const FileFilter& filter, const std::filesystem::path& folder,
    const std::function<std::optional<FileError>(const std::filesystem::path&)>& write) {
  const std::optional<std::filesystem::path> chosen = platform.chooseFileToSave(filter, folder);
  if (!chosen) {
    return;
  }
  const std::filesystem::path path = withFilterExtension(*chosen, filter);
  if (platform.fileExists(path) &&
      platform.showMessage("同名のファイルが存在します。上書きしますか？", "確認",
                           MessageButtons::YesNo) != MessageAnswer::Yes) {
    return;
  }
  if (const std::optional<FileError> error = write(path)) {
    reportFailure(platform, path, "をデータセーブできませんでした", *error);
    return;
  }
  platform.showMessage("データセーブが完了しました", "メッセージ", MessageButtons::Ok);
}

std::optional<std::filesystem::path> chooseExistingFile(Platform& platform,
                                                        const FileFilter& filter,
                                                        const std::filesystem::path& folder) {
  std::optional<std::filesystem::path> path = platform.chooseFileToOpen(filter, folder);
  if (!path || !platform.fileExists(*path)) {
    return std::nullopt;
  }
  return path;
}

void reportLoadFailure(Platform& platform, const std::filesystem::path& path,
                       const FileError& error) {
  reportFailure(platform, path, "をデータロードできませんでした", error);
}

}  // namespace vantoki
