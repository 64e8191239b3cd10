#include "replay/replay_playback.h"

namespace vantoki {

bool ReplayPlayback::issueNextMove(Play& play) {
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

PlaybackOutcome playWholeReplay(Play& play) {
  PlaybackOutcome outcome;
  ReplayPlayback playback;
  while (playback.issueNextMove(play)) {
    ++outcome.movesPlayed;
    if (play.finishMove().turnLimitReached) {
      ++outcome.turnLimitMessages;
    }
  }
  return outcome;
}

}  // namespace vantoki
