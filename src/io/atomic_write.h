// Saving a file so that it is either wholly replaced or not touched at all, and once the save is
// reported done it survives a power cut: the bytes go to a new file in the target's folder and
// are flushed to the disk, the file takes the target's name by a rename, and the folder is
// flushed so that the rename is on the disk too. Every file the program writes comes through
// here.
//
// A save that fails part way (disk full, file size limit, I/O error) leaves the old file exactly
// as it was and no temporary file behind. A save killed part way leaves the old file or the new
// one, whole: the new file has no name while it is written (where the file system allows), and
// gets a temporary name (".vantoki-save." and 16 random hexadecimal digits) only for the moment
// before the rename. A save holds a lock on its temporary file, so the next save in the folder
// removes a temporary file that a killed save left, and never one that another save is still
// using nor a file of the player's that is merely named alike.
//
// Only regular files are ever replaced: a target that exists as a folder, a device or anything
// else is refused untouched. A symbolic link is followed and the file it leads to is replaced,
// so the link stays a link.
//
// A file is replaced only where the saver may write into it, as copying over it would need
// (asked with the ids the save writes with): a file made read-only, another user's file that the
// saver may not write, one on a read-only file system or marked immutable is refused untouched,
// though the folder would allow the rename. A file with no write bit for anyone is refused to
// root too; root may replace any other file.
//
// A new file gets mode 0666 less the umask and belongs to the saver. A replaced one keeps its
// owner, group and mode as far as the saver may give them: root keeps all three. Anyone else may
// give a file neither to another user nor to a group they are not in; the file is then the
// saver's, or in the group a new file in the folder gets, its set-user-ID or set-group-ID bit is
// dropped with the owner or group it spoke for, and the group it comes into gets no more access
// than others had, so the change of hands opens the file to no one. Access control lists and
// extended attributes are not carried over.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "io/file_error.h"

namespace vantoki {

// The file a save to `path` writes: symbolic links followed, a dangling one too, since the save
// makes the file it names. An error when a link cannot be followed (a loop, say).
[[nodiscard]] Result<std::filesystem::path> fileASaveWrites(const std::filesystem::path& path);

[[nodiscard]] std::optional<FileError> writeFileAtomically(const std::filesystem::path& path,
                                                           std::string_view bytes);

// Whether a save to `path` could be made now, without making it or changing anything: the
// error writeFileAtomically would give before its first byte, or nothing. For work that takes
// long before it saves, and for a question before replacing a file, so that a save bound to fail
// fails first. A save may still fail later, when the disk fills or the folder changes in between.
[[nodiscard]] std::optional<FileError> checkWritable(const std::filesystem::path& path);

}  // namespace vantoki
