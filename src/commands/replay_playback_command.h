// Replay playback in the window: the two commands "保存してあるリプレイを再生する" and
// "リプレイ停止". Starting reads a replay file, checks its names against the current stage, puts
// the board back to the start of that stage and then plays the moves one by one through the play's
// ordinary direction press, each issued as soon as the previous one has been committed, so the
// game speed sets the pace and the timer keeps animating between them. Nothing waits in a loop:
// the play's notification that a commit is over drives the next move.
//
// Invariant: running() from the start message until the last move has been issued (or the end
// mark met); the window shows the stop panel exactly then.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/board.h"
#include "platform/platform.h"
#include "play/play.h"
#include "replay/logged_move_sequence.h"

namespace vantoki {

// What playback needs from the window.
class ReplayPlaybackHost {
 public:
  virtual ~ReplayPlaybackHost() = default;
  // Draws a stage as a stage selection draws it.
  virtual void drawStage(const Board& stage) = 0;
  virtual void replayRunningChanged() = 0;
};

class ReplayPlaybackCommand : private PlayListener {
 public:
  // Listens to the play from here on; play and host must outlive the player.
  ReplayPlaybackCommand(Platform& platform, Play& play, ReplayPlaybackHost& host);

  // Plays a replay file the user picks on the current stage, named and drawn as given. A
  // cancelled dialog, a path with no file or a No to the name question ends it silently; a file
  // that cannot be read or decoded is reported and changes nothing. A move of the ordinary play
  // still animating is dropped, so its commit never lands in the replayed play.
  void start(const std::string& dataSetName, const std::string& stageName, const Board& stage);
  // The same for the replay file at `path`, which needs no dialog. The stage data file taken for
  // it from among several that could be its own, if any, is named in the start message.
  void startFrom(const std::filesystem::path& path, const std::string& dataSetName,
                 const std::string& stageName, const Board& stage,
                 const std::optional<std::filesystem::path>& stageFileTaken = std::nullopt);
  // Asks a running playback to stop; it ends after the next move has been issued.
  void requestStop();
  bool running() const { return running_; }

 private:
  void turnCommitted() override;
  void issueNextMove();
  void setRunning(bool running);

  Platform& platform_;
  Play& play_;
  ReplayPlaybackHost& host_;
  std::optional<LoggedMoveSequence> playback_;
  bool running_ = false;
};

}  // namespace vantoki
