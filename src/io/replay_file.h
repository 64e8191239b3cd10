// The replay file (*.vkrp): three records, the data set name and the stage name the play was
// made on, and the move record. The move record has one character per turn 0 to 500: the
// direction index chosen at that turn, then the digit 9 from the last turn of the play on.
//
// Reading returns the three texts as they are; decoding the move record is a separate step,
// taken after the names have been checked against the selected stage.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/move_log.h"
#include "io/file_error.h"

namespace vantoki {

struct ReplayRecords {
  std::string dataSetName;
  std::string stageName;
  std::string moveRecord;

  friend bool operator==(const ReplayRecords&, const ReplayRecords&) = default;
};

// The decimal text of moveLog[i] for each turn i below lastTurn (0 to 500), then a 9 for every
// turn from lastTurn to 500.
std::string encodeMoveRecord(const MoveLog& moveLog, int lastTurn);

// Takes the first 501 characters, each a decimal digit, as the move log; characters after them
// are ignored. Fails when the record is shorter or holds anything else there, and then leaves
// the move log as it was; the failure names no file, and its cause points at line 3, where a
// replay file holds the record.
[[nodiscard]] std::optional<FileError> decodeMoveRecord(std::string_view record, MoveLog& moveLog);

[[nodiscard]] std::optional<FileError> writeReplayFile(const std::filesystem::path& path,
                                                       const std::string& dataSetName,
                                                       const std::string& stageName,
                                                       const MoveLog& moveLog, int lastTurn);

// Fails when the file cannot be opened, has fewer than three records, or has a line ending in
// CR CR LF before the move record (the stray CR would shift the records).
Result<ReplayRecords> readReplayFile(const std::filesystem::path& path);

}  // namespace vantoki
