// Whether a name can be one file's name in a folder, as a disk takes it: not empty, not "." or
// ".." (they name folders), without "/" (it leads into another folder) and at most 255 bytes long,
// the most a Linux file system and the browsers' downloads keep. For a place that would take any
// name, the page's memory file system, so that a save there refuses what a disk would refuse, for
// the same cause.
#pragma once

#include <optional>
#include <string_view>

#include "io/file_error.h"

namespace vantoki {

[[nodiscard]] std::optional<FileError> checkFileName(std::string_view name);

}  // namespace vantoki
