// What every file command of the window shares: the file dialog on the folder of the files' kind
// (commands/dialog_folders.h), the question before overwriting, and the fixed messages for a
// finished save and for a failure, which carry the path the user chose as the platform shows it;
// a failure's second line says its cause.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "io/file_error.h"
#include "platform/platform.h"

namespace vantoki {

// A name typed without an extension gets the filter's, so the load dialog's filter shows the file
// saved; one with any extension is kept as it was typed.
std::filesystem::path withFilterExtension(const std::filesystem::path& path,
                                          const FileFilter& filter);

// Asks for a file to save in the folders of the kind `folderName` (adding the filter's extension
// to a name without one), asks before overwriting one, writes it with `write` and says how it
// went, telling the platform which file a finished save wrote; a file the platform could not keep
// is a failed save. A file the save could not replace (io/atomic_write.h) is refused with its
// cause before any question. A cancelled dialog or a No ends the command without a word. Returns
// whether the file was written.
bool saveThroughDialog(
    Platform& platform, const FileFilter& filter, const char* folderName,
    const std::function<std::optional<FileError>(const std::filesystem::path&)>& write);

// Asks for a file to open in the folders of the kind `folderName`; empty when the dialog was
// cancelled or a folder was chosen. A name that does not exist as typed but does with the
// filter's extension, as a save would have added it, is that file. Whatever else was chosen,
// even nothing or what is not a regular file, is for the reader to refuse with its cause.
std::optional<std::filesystem::path> chooseExistingFile(Platform& platform,
                                                        const FileFilter& filter,
                                                        const char* folderName);

// A finished save that a platform which keeps the player's files somewhere of its own (the page:
// the browser's storage) handed on but could not keep there, for `reason` in the platform's words.
FileError notKeptFailure(const std::filesystem::path& path, const std::string& reason);

// The fixed failure messages for the path as the platform shows it, with the cause on a line of
// its own. A save's comes also from a platform that refuses a name in its own save dialog.
void reportSaveFailure(Platform& platform, const std::filesystem::path& path,
                       const FileError& error);
void reportLoadFailure(Platform& platform, const std::filesystem::path& path,
                       const FileError& error);

}  // namespace vantoki
