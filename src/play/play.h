// The one owner of a play of one stage: every committed board as a snapshot (turn 0 is the stage
// as selected), the board and motion grid of the move in progress, the direction chosen at each
// turn, the turn counters, the frame counter of the move being animated and the held direction.
// Nothing else writes them; the window, the keyboard, replay playback and the command-line tool
// all come through the operations below, and listeners hear what changed.
//
// Invariants: 0 <= currentTurn <= lastTurn <= 500; snapshots above lastTurn are leftovers of an
// earlier line of play and never shown; a committed snapshot holds no Explosion; animating is 0
// whenever no move is in progress, and is set back to 0 exactly once per move, by its commit.
// A Play is large (about 230 KB): keep it on the heap.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/board.h"
#include "core/history_step.h"
#include "core/move_log.h"
#include "play/play_listener.h"

namespace vantoki {

// How a move the play commits at once ended, for plays without a window.
struct CommitOutcome {
  int shownTurn = 0;  // 501 for a move past the limit
  bool turnLimitReached = false;
  bool stageCleared = false;
};

class Play {
 public:
  // Listeners are not owned and must outlive their registration.
  void addListener(PlayListener& listener);

  // A fresh play of a stage at turn 0. A move in progress is dropped with the old play, so its
  // board never lands in the new one; the held direction stays as it is.
  void selectStage(const Board& stage);

  // Records the direction as held, then, unless a move is in progress, logs it at the current
  // turn, resolves the move from the current snapshot and starts its animation. Returns whether a
  // move started. A direction index outside 0..3 moves nobody, but pieces still fall and blocks
  // still count down.
  bool pressDirection(int direction);
  // Records the direction as held without moving: a press that cannot make a move still arms the
  // repeat of a held button.
  void holdDirection(int direction);
  void releaseDirection();

  // One tick of the 50 ms timer. Between moves it repeats the held direction while the left
  // button is down; during a move it announces the next frame and, after the frame on which the
  // pieces arrive (frame framesPerMove), commits the turn. While `frozen` (the editor is on) it
  // only forgets a released button. leftButtonDown is asked at the moment each test needs it.
  // A tick that falls due while another one waits (for the turn-limit message) is skipped.
  void tick(int framesPerMove, bool frozen, const std::function<bool()>& leftButtonDown);
  // Commits the move in progress at once, without its frames. Only while a move is in progress.
  CommitOutcome finishMove();

  // Moves the shown turn within 0..lastTurn. Refused (returns false) while a move is animating:
  // its commit would otherwise land after a turn the player never moved from.
  bool stepThroughHistory(HistoryStep step);

  // Puts the play back to the start of the stage with a replay's moves in its log, as playback
  // does before its first move; playback reads them from turn 0 on, and the moves it makes write
  // the same values back turn by turn. The labels and the stage-clear panel are told, as a stage
  // selection tells them, so they show the replayed play from its start. A move in progress is
  // dropped, so its commit never lands in the replayed play.
  void restartForReplay(const Board& stage, const MoveLog& moveLog);

  int currentTurn() const { return currentTurn_; }
  int lastTurn() const { return lastTurn_; }
  const Board& currentBoard() const { return boardHistory_[currentTurn_]; }
  // Turn 0..500; only turns up to lastTurn belong to the play.
  const Board& snapshot(int turn) const { return boardHistory_.at(turn); }
  const MoveLog& moveLog() const { return moveLog_; }
  // The moves of the recorded line, turns 0 to lastTurn - 1, as a replay saves them. A move still
  // animating is not part of the line yet, also when it started from an earlier turn and has
  // already taken that turn's place in the log.
  MoveLog recordedMoves() const;
  const Board& workBoard() const { return workBoard_; }
  const MotionGrid& motionGrid() const { return motionGrid_; }
  // 0 between moves, else the frame the next tick draws.
  int animating() const { return animating_; }
  bool moveInProgress() const { return animating_ != 0; }
  // The held direction index + 1, 0 when none is held.
  int heldButton() const { return heldButton_; }
  // The stage-clear panel belongs on screen when the shown snapshot is the end of the play, clears
  // the stage, and at least one move has been made.
  bool showsStageClear() const;

 private:
  // Turn 0 of a fresh play of `stage`, told to the listeners.
  void restart(const Board& stage);
  CommitOutcome commitTurn();
  template <typename Notify>
  void notify(Notify&& notification) const;

  std::array<Board, kSnapshotCount> boardHistory_{};
  Board workBoard_;       // the move in progress as resolved, explosions and all
  Board committedBoard_;  // the same board as its commit will store it
  MotionGrid motionGrid_;
  MoveLog moveLog_{};
  std::int16_t replacedMove_ = 0;  // what the move in progress overwrote in the log
  std::int16_t currentTurn_ = 0;
  std::int16_t lastTurn_ = 0;
  std::int16_t animating_ = 0;
  std::int16_t heldButton_ = 0;
  bool ticking_ = false;
  std::vector<PlayListener*> listeners_;
};

}  // namespace vantoki
