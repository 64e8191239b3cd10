#include "commands/replay_playback_command.h"

#include "commands/file_commands.h"
#include "commands/replay_save_command.h"
#include "io/cp932.h"
#include "io/replay_file.h"
#include "platform/messages.h"

namespace vantoki {

ReplayPlaybackCommand::ReplayPlaybackCommand(Platform& platform, Play& play,
                                             ReplayPlaybackHost& host)
    : platform_(platform), play_(play), host_(host) {
  play_.addListener(*this);
}

void ReplayPlaybackCommand::start(const std::string& dataSetName, const std::string& stageName,
                                  const Board& stage) {
  const std::optional<std::filesystem::path> path =
      chooseExistingFile(platform_, replayFilter(), kReplayFolderName);
  if (path) {
    startFrom(*path, dataSetName, stageName, stage);
  }
}

void ReplayPlaybackCommand::startFrom(const std::filesystem::path& path,
                                      const std::string& dataSetName, const std::string& stageName,
                                      const Board& stage,
                                      const std::optional<std::filesystem::path>& stageFileTaken) {
  const Result<ReplayRecords> replay = readReplayFile(path);
  if (!replay.ok()) {
    reportLoadFailure(platform_, path, replay.error());
    return;
  }
  // Compared as the files hold them: a name typed with a character code page 932 writes as
  // another (or as "?") reads back from the replay as that other character.
  if ((!writtenAlike(replay.value().stageName, stageName) ||
       !writtenAlike(replay.value().dataSetName, dataSetName)) &&
      !confirm(platform_,
               "リプレイデータと現在のステージが一致しませんが、強制的に再生しますか？")) {
    return;
  }
  MoveLog moves{};
  if (const std::optional<FileError> error = decodeMoveRecord(replay.value().moveRecord, moves)) {
    reportLoadFailure(platform_, path, *error);
    return;
  }
  host_.drawStage(stage);
  play_.restartForReplay(stage, moves);
  playback_.emplace();
  setRunning(true);
  std::string started =
      "リプレイデータを読み込みました。ＯＫで再生します。\r\n"
      "停止する場合は画面右のデッカイボタンを押してください。";
  if (stageFileTaken) {
    started += "\r\n同じステージが入ったステージデータが複数あるため、いちばん新しい " +
               platform_.shownPath(*stageFileTaken) + " を使います。";
  }
  tellDone(platform_, started);
  issueNextMove();
}

void ReplayPlaybackCommand::requestStop() {
  if (playback_) {
    playback_->requestStop();
  }
}

void ReplayPlaybackCommand::turnCommitted() {
  if (running_) {
    issueNextMove();
  }
}

void ReplayPlaybackCommand::issueNextMove() {
  if (!playback_->issueNextMove(play_) || playback_->ended()) {
    playback_.reset();
    setRunning(false);
  }
}

void ReplayPlaybackCommand::setRunning(bool running) {
  running_ = running;
  host_.replayRunningChanged();
}

}  // namespace vantoki
