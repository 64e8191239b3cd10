// What every file command of the window shares: the file dialog on a folder beside the program,
// the question before overwriting, and the fixed messages for a finished save and for a failure,
// which carry the full path the user chose; a failure's second line says its cause.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>

#include "io/file_error.h"
#include "platform/platform.h"

namespace vantoki {

// A folder of that name beside the program, where the dialogs of the file commands open.
std::filesystem::path folderBesideProgram(Platform& platform, const char* name);

// A name typed without an extension gets the filter's, so the load dialog's filter shows the file
// saved; one with any extension is kept as it was typed.
std::filesystem::path withFilterExtension(const std::filesystem::path& path,
                                          const FileFilter& filter);

// Asks for a file to save (adding the filter's extension to a name without one), asks before
// overwriting one, writes it with `write` and says how it
// went. A cancelled dialog or a No ends the command without a word.
void saveThroughDialog(
    Platform& platform, const FileFilter& filter, const std::filesystem::path& folder,
    const std::function<std::optional<FileError>(const std::filesystem::path&)>& write);

// Asks for a file to open; empty when the dialog was cancelled or no file is at the path chosen
// (the user may type any name, and a folder is not a file).
std::optional<std::filesystem::path> chooseExistingFile(Platform& platform,
                                                        const FileFilter& filter,
                                                        const std::filesystem::path& folder);

// The fixed failure message for the full path, with the cause on a line of its own.
void reportLoadFailure(Platform& platform, const std::filesystem::path& path,
                       const FileError& error);

}  // namespace vantoki
