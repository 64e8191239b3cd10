// Saving a file so that it is either wholly replaced or not touched at all: the bytes go to a
// temporary file beside the target, reach the disk, and only then take the target's name. A
// save that fails part way (disk full, file size limit, I/O error) leaves the old file exactly as
// it was and no temporary file behind.
//
// Only regular files are ever replaced: a target that exists as a folder, a device or anything
// else is refused untouched. A symbolic link is followed and the file it leads to is replaced,
// so the link stays a link. A new file gets mode 0666 less the umask, a replaced one keeps its
// mode.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "io/file_error.h"

namespace vantoki {

[[nodiscard]] std::optional<FileError> writeFileAtomically(const std::filesystem::path& path,
                                                           std::string_view bytes);

}  // namespace vantoki
