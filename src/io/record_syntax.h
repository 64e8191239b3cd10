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

// A record as read, with what a message needs to point at the cause when its value makes no sense.
struct Record {
  std::string value;  // UTF-8
  // The line holds text that does not begin with a double quote, so it ended at its first comma.
  bool unquoted = false;
  // The line is an empty one made by a line that ended in CR CR LF: the first CR ended that line
  // alone, and the CR LF then ended this one.
  bool afterStrayCr = false;

  friend bool operator==(const Record&, const Record&) = default;
};

// The first `count` records, values in UTF-8. Fails when the path is not a regular file, the file
// cannot be read, a line is too long or the file has fewer records.
Result<std::vector<Record>> readRecords(const std::filesystem::path& path, std::size_t count);

// When one of `records` is a line made by a stray CR: the failure to report instead of what the
// shifted records look like, naming the line that ends in CR CR LF.
std::optional<FileError> strayCrError(const std::filesystem::path& path,
                                      std::span<const Record> records);

// The value of one line, still in code page 932, and whether it was quoted.
struct Field {
  std::string_view value;
  bool unquoted = false;
};

// Leading spaces are skipped. A value that begins with a double quote runs to the last double
// quote of the line, so a name that itself holds a double quote reads back as written; without a
// closing quote it runs to the line end. Any other value runs to the first comma or the line end.
Field readField(std::string_view line);

}  // namespace vantoki
