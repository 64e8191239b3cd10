// Playing a move record on a stage, the one way every part of the program replays a saved play:
// the command-line replay and verify, the solver's tests of its solutions, and the window's
// playback all come down to the play's ordinary moves, taken from the decoded record.
#pragma once

#include <memory>
#include <string_view>

#include "core/board.h"
#include "io/file_error.h"
#include "play/play.h"
#include "replay/logged_move_sequence.h"

namespace vantoki {

struct RecordedPlay {
  std::unique_ptr<Play> play;  // every snapshot of the play, at its end
  PlaybackOutcome outcome;

  bool cleared() const { return play->showsStageClear(); }
};

// A fresh play of the stage with the moves of the log, each committed at once.
RecordedPlay playMoveLog(const Board& stage, const MoveLog& moveLog);

// The same for a replay file's move record; fails, playing nothing, when the record cannot be
// decoded.
Result<RecordedPlay> playMoveRecord(const Board& stage, std::string_view moveRecord);

}  // namespace vantoki
