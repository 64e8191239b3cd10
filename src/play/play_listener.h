// What a play tells those who show it or follow it. Every call comes when the play's own state
// is consistent, in the order the game needs on screen: the labels, the turn-limit message, the
// committed cells, the stage-clear panel. Each notification has an empty default, so a listener
// takes only what it shows.
#pragma once

#include "core/board.h"

namespace vantoki {

// One frame of the move in progress: the boards before and after it, what moves, and the frame's
// number from 1. The frame on which the pieces arrive is followed by the commit.
struct MoveFrame {
  const Board& before;
  const Board& after;
  const MotionGrid& motion;
  int frame;
  bool arrives;
};

class PlayListener {
 public:
  virtual ~PlayListener() = default;

  // The turn counters as the labels show them: a move past the 500th turn shows 501 for both
  // while the play stays at 500.
  virtual void turnLabelsChanged(int /*currentTurn*/, int /*lastTurn*/) {}
  // The history moved to another turn: the whole board is to be shown anew.
  virtual void shownTurnChanged(const Board& /*shown*/) {}
  // Whether the shown board is the cleared end of the play.
  virtual void stageClearChanged(bool /*cleared*/) {}
  virtual void moveFrameDue(const MoveFrame& /*frame*/) {}
  // A move went past the 500th turn. The play waits for the listener to return.
  virtual void turnLimitReached() {}
  // The move is over: `resolved` is the board it built, explosions and all; `committed` the new
  // snapshot.
  virtual void moveCommitted(const Board& /*resolved*/, const Board& /*committed*/) {}
  // The commit is over and no move is in progress: the moment replay playback issues its next
  // move.
  virtual void turnCommitted() {}
};

}  // namespace vantoki
