#include "replay/logged_move_sequence.h"

namespace vantoki {

bool LoggedMoveSequence::issueNextMove(Play& play) {
  if (ended_ || play.moveLog()[nextMove_] == kEndOfMoves) {
    ended_ = true;
    return false;
  }
  play.pressDirection(play.moveLog()[nextMove_]);
  // A replayed move is no held button: it must not repeat on its own.
  play.releaseDirection();
  ++nextMove_;
  if (stopRequested_ || nextMove_ == kSnapshotCount) {
    ended_ = true;
  }
  return true;
}

PlaybackOutcome playWholeMoveLog(Play& play) {
  PlaybackOutcome outcome;
  LoggedMoveSequence playback;
  while (playback.issueNextMove(play)) {
    ++outcome.movesPlayed;
    if (play.finishMove().turnLimitReached) {
      ++outcome.turnLimitMessages;
    }
  }
  return outcome;
}

}  // namespace vantoki
