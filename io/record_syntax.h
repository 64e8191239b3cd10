// The record syntax shared by stage data and replay files: code page 932 text, no byte-order
// mark, one record per line. Every record written is a double quote, the text unchanged (nothing
// escaped), a double quote and CR LF, the last line included.
//
// Reading is lenient, because people edit these files by hand: CR LF, a lone LF and a lone CR
// all end a line; a last line without a line end still counts; a blank line is a record with an
// empty value. Only as many lines as the caller needs are ever read.
//
// Reading never blocks on what the path names and never holds more than one line of at most
// 64 KiB: only a regular file is read (a FIFO or a device is refused without waiting for it),
// and a longer line is refused, since no record comes near that.
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "io/file_error.h"

namespace vantoki {

// Writes one quoted record per text (texts are UTF-8) as one atomic save of the file. Fails,
// writing nothing, when a line would be longer than reading accepts.
[[nodiscard]] std::optional<FileError> writeRecords(const std::filesystem::path& path,
                                                    std::span<const std::string> texts);

// The values of the first `count` records, as UTF-8. Fails when the path is not a regular file,
// the file cannot be read, a line is too long or the file has fewer records.
Result<std::vector<std::string>> readRecords(const std::filesystem::path& path, std::size_t count);

// The value of one line, still in code page 932. Leading spaces are skipped. A value that begins
// with a double quote runs to the last double quote of the line, so a name that itself holds a
// double quote reads back as written; without a closing quote it runs to the line end. Any other
// value runs to the first comma or the line end.
std::string_view fieldValue(std::string_view line);

}  // namespace vantoki
