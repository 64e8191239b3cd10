// Fuzz target: any bytes as a replay file, read and its move record decoded as playback would.
// Neither step may crash; a message must name the file; a failed decoding must leave the move log
// as it was, and a decoded log must write back as the record's first 501 characters.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "fuzz_target.h"
#include "input_file.h"
#include "io/replay_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vantoki;
  static InputFile file;
  file.hold(data, size);
  const Result<ReplayRecords> read = readReplayFile(file.path());
  if (!read.ok()) {
    if (!read.error().message.starts_with(file.path().string() + ": ")) {
      failFuzzCheck("the message does not name the file: " + read.error().message);
    }
    return 0;
  }
  const std::string& record = read.value().moveRecord;
  // No digit decodes to this, so a failed decoding that wrote anything shows.
  constexpr std::int16_t kUntouched = -7;
  MoveLog moveLog;
  moveLog.fill(kUntouched);
  if (decodeMoveRecord(record, moveLog)) {
    for (const std::int16_t move : moveLog) {
      if (move != kUntouched) {
        failFuzzCheck("a failed decoding changed the move log");
      }
    }
    return 0;
  }
  if (encodeMoveRecord(moveLog, kSnapshotCount) != record.substr(0, kSnapshotCount)) {
    failFuzzCheck("the decoded move log does not write back as its record: " + record);
  }
  return 0;
}
