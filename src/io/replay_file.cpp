#include "io/replay_file.h"

#include <algorithm>
#include <array>
#include <vector>

#include "io/record_syntax.h"

namespace vantoki {
namespace {

constexpr std::size_t kReplayRecordCount = 3;
// The move record is the last record, so a player is pointed at this line for what is wrong in it.
constexpr int kMoveRecordLine = static_cast<int>(kReplayRecordCount);

}  // namespace

std::string encodeMoveRecord(const MoveLog& moveLog, int lastTurn) {
  // lastTurn never exceeds 500 in play; clamping keeps a bad caller inside the log.
  const int movesRecorded = std::clamp(lastTurn, 0, kSnapshotCount);
  std::string record;
  for (int turn = 0; turn < movesRecorded; ++turn) {
    record += std::to_string(moveLog[turn]);
  }
  record.append(static_cast<std::size_t>(kSnapshotCount - movesRecorded),
                static_cast<char>('0' + kEndOfMoves));
  return record;
}

std::optional<FileError> decodeMoveRecord(std::string_view record, MoveLog& moveLog) {
  if (record.size() < kSnapshotCount) {
    return FileError(
        "the move record has " + countOf(static_cast<long long>(record.size()), "character") +
            ", " + std::to_string(kSnapshotCount) + " expected",
        causeAtLine(kMoveRecordLine, "手順の記録が" + std::to_string(record.size()) +
                                         "文字しかありません（" + std::to_string(kSnapshotCount) +
                                         "文字のはずです）"));
  }
  MoveLog decoded{};
  for (std::size_t turn = 0; turn < decoded.size(); ++turn) {
    const char digit = record[turn];
    if (digit < '0' || digit > '9') {
      const std::string character = std::to_string(turn + 1);
      return FileError(
          "character " + character + " of the move record is not a digit",
          causeAtLine(kMoveRecordLine, "手順の記録の" + character + "文字目が数字ではありません"));
    }
    decoded[turn] = static_cast<std::int16_t>(digit - '0');
  }
  moveLog = decoded;
  return std::nullopt;
}

std::optional<FileError> writeReplayFile(const std::filesystem::path& path,
                                         const std::string& dataSetName,
                                         const std::string& stageName, const MoveLog& moveLog,
                                         int lastTurn) {
  const std::array<std::string, kReplayRecordCount> texts = {dataSetName, stageName,
                                                             encodeMoveRecord(moveLog, lastTurn)};
  return writeRecords(path, texts);
}

Result<ReplayRecords> readReplayFile(const std::filesystem::path& path) {
  Result<std::vector<Record>> read = readRecords(path, kReplayRecordCount);
  if (!read.ok()) {
    return read.error();
  }
  std::vector<Record>& records = read.value();
  // A stray CR before the move record would leave a name or nothing in its place.
  if (std::optional<FileError> strayCr = strayCrError(path, records)) {
    return *std::move(strayCr);
  }
  return ReplayRecords{std::move(records[0].value), std::move(records[1].value),
                       std::move(records[2].value)};
}

}  // namespace vantoki
