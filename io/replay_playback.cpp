#include "io/replay_playback.h"

#include "core/move_entry.h"
#include "core/turn_commit.h"

namespace vantoki {

bool ReplayPlayback::issueNextMove(PlayState& state) {
  if (ended_ || state.moveLog[nextMove_] == kEndOfMoves) {
    ended_ = true;
    return false;
  }
  pressDirectionButton(state, state.moveLog[nextMove_], kLeftMouseButton);
  // A replayed move is no held button: it must not repeat on its own.
  state.heldButton = 0;
  ++nextMove_;
  if (stopRequested_ || nextMove_ == kSnapshotCount) {
    ended_ = true;
  }
  return true;
}

PlaybackOutcome playWholeReplay(PlayState& state) {
  PlaybackOutcome outcome;
  ReplayPlayback playback;
  while (playback.issueNextMove(state)) {
    ++outcome.movesPlayed;
    if (commitTurn(state).turnLimitReached) {
      ++outcome.turnLimitMessages;
    }
  }
  return outcome;
}

}  // namespace vantoki
