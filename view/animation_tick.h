// One tick of the 50 ms animation timer. Between moves it repeats a held direction button; during
// a move it draws one frame (every erase before any draw, cells in scan order, so later cells lie
// on top) and, on the frame in which the pieces arrive, commits the turn and draws the
// committed cells. The tick counts frames in PlayState::animating and sets it back to 0 exactly
// once per move, in the commit.
//
// A tick is never re-entered: a tick that falls due while another one waits (for the turn-limit
// message to be closed) is skipped, so no move can start before the turn is back at 500.
#pragma once

#include "core/play_state.h"
#include "view/board_painter.h"

namespace vantoki {

// What the tick needs from the window.
class TickHost {
 public:
  virtual ~TickHost() = default;
  // Whether the left mouse button is down at this moment, wherever the pointer is.
  virtual bool leftButtonDown() = 0;
  virtual void showTurnLabels(int currentTurn, int lastTurn) = 0;
  // Modal: returns when the player has closed the message.
  virtual void showTurnLimitMessage() = 0;
  virtual void showStageClear() = 0;
};

class AnimationTimer {
 public:
  // animStep is one of the game speed's steps; editMode freezes a move where it is.
  void tick(PlayState& state, int animStep, bool editMode, BoardPainter& painter, TickHost& host);

 private:
  void drawFrame(const PlayState& state, int animStep, int frame, BoardPainter& painter) const;
  void commit(PlayState& state, BoardPainter& painter, TickHost& host) const;

  bool ticking_ = false;
};

}  // namespace vantoki
