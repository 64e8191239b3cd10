#include "replay/recorded_play.h"

#include <optional>

#include "io/replay_file.h"

namespace vantoki {

RecordedPlay playMoveLog(const Board& stage, const MoveLog& moveLog) {
  RecordedPlay recorded{std::make_unique<Play>(), {}};
  recorded.play->restartForReplay(stage, moveLog);
  recorded.outcome = playWholeMoveLog(*recorded.play);
  return recorded;
}

Result<RecordedPlay> playMoveRecord(const Board& stage, std::string_view moveRecord) {
  MoveLog moveLog{};
  if (const std::optional<FileError> problem = decodeMoveRecord(moveRecord, moveLog)) {
    return *problem;
  }
  return playMoveLog(stage, moveLog);
}

}  // namespace vantoki
