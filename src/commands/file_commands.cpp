#include "commands/file_commands.h"

#include <string>
#include <system_error>

#include "commands/dialog_folders.h"
#include "io/atomic_write.h"
#include "platform/messages.h"

namespace vantoki {
namespace {

// The fixed first line names the file as the player knows it; the second says the cause in the
// player's words. A name left empty, which a platform's own save dialog refuses, leaves no gap
// in the line: the cause says what was wrong with it.
void reportFailure(Platform& platform, const std::filesystem::path& path, const char* what,
                   const FileError& error) {
  const std::string shown = platform.shownPath(path);
  reportError(platform, "原因不明のエラーで、" + (shown.empty() ? "" : shown + "を") + what +
                            "\r\n" + error.cause);
}

}  // namespace

FileError notKeptFailure(const std::filesystem::path& path, const std::string& reason) {
  return fileError(path, "downloaded, but not kept in the browser's storage: " + reason,
                   "ダウンロードはしましたが、ブラウザーに保存できませんでした");
}

std::filesystem::path withFilterExtension(const std::filesystem::path& path,
                                          const FileFilter& filter) {
  if (path.has_extension() || !filter.pattern.starts_with("*.")) {
    return path;
  }
  std::filesystem::path named = path;
  named += filter.pattern.substr(1);
  return named;
}

bool saveThroughDialog(
    Platform& platform, const FileFilter& filter, const char* folderName,
    const std::function<std::optional<FileError>(const std::filesystem::path&)>& write) {
  const SaveFolders folders = saveDialogFolders(platform, folderName);
  const std::optional<std::filesystem::path> chosen =
      platform.chooseFileToSave(filter, folders.dialog);
  if (!chosen) {
    return false;
  }
  const std::filesystem::path path = withFilterExtension(*chosen, filter);
  if (platform.fileExists(path)) {
    // Only a file the save could replace is offered for replacing.
    if (const std::optional<FileError> refused = checkWritable(path)) {
      reportSaveFailure(platform, path, *refused);
      return false;
    }
    if (!confirm(platform, "同名のファイルが存在します。上書きしますか？")) {
      return false;
    }
  }
  std::optional<FileError> error = write(path);
  // In the player's folder that could not be made, why it could not is the cause.
  if (error && folders.notMade && path.parent_path().lexically_normal() == folders.dialog.initial) {
    error = folders.notMade;
  }
  if (!error) {
    error = platform.fileSaved(path);
  }
  if (error) {
    reportSaveFailure(platform, path, *error);
    return false;
  }
  tellDone(platform, "データセーブが完了しました");
  return true;
}

std::optional<std::filesystem::path> chooseExistingFile(Platform& platform,
                                                        const FileFilter& filter,
                                                        const char* folderName) {
  std::optional<std::filesystem::path> path =
      platform.chooseFileToOpen(filter, loadDialogFolders(platform, folderName));
  // Anything else, a FIFO, a device, a link loop or a file gone since the dialog listed it, goes
  // on to the reader, whose failure says what it is.
  std::error_code unknown;
  if (!path || std::filesystem::is_directory(*path, unknown)) {
    return std::nullopt;
  }
  // A name typed without its extension finds the file a save would have named so.
  const std::filesystem::path named = withFilterExtension(*path, filter);
  if (!std::filesystem::exists(std::filesystem::symlink_status(*path, unknown)) &&
      platform.fileExists(named)) {
    return named;
  }
  return path;
}

void reportSaveFailure(Platform& platform, const std::filesystem::path& path,
                       const FileError& error) {
  reportFailure(platform, path, "データセーブできませんでした", error);
}

void reportLoadFailure(Platform& platform, const std::filesystem::path& path,
                       const FileError& error) {
  reportFailure(platform, path, "データロードできませんでした", error);
}

}  // namespace vantoki
