// Replay playback as a sequence of moves: each logged direction goes through the play's ordinary
// direction press, one move at a time, until the end mark, the last turn of the log, or a stop.
// The window issues the next move whenever the previous one has been committed; a tool without a
// window commits each move at once.
//
// A stop asked for while a move is animating takes effect after the next move has been issued,
// so the play always ends on a move that was really made.
#pragma once

#include "play/play.h"

namespace vantoki {

class LoggedMoveSequence {
 public:
  // Issues the next logged move, which starts animating; false once playback has ended.
  // Call it only while no move is in progress.
  bool issueNextMove(Play& play);

  void requestStop() { stopRequested_ = true; }
  bool ended() const { return ended_; }

 private:
  int nextMove_ = 0;
  bool stopRequested_ = false;
  bool ended_ = false;
};

struct PlaybackOutcome {
  int movesPlayed = 0;
  int turnLimitMessages = 0;  // moves committed past the 500th turn
};

// Plays the play's whole move log from its current turn, committing every move as soon as it is
// issued.
PlaybackOutcome playWholeMoveLog(Play& play);

}  // namespace vantoki
