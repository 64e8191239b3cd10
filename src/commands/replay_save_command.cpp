#include "commands/replay_save_command.h"

#include "commands/file_commands.h"
#include "io/replay_file.h"

namespace vantoki {

FileFilter replayFilter() {
  return {"Vantoki　リプレイデータ (*.vkrp)", "*.vkrp"};
}

void saveReplay(Platform& platform, const std::string& dataSetName, const std::string& stageName,
                const Play& play) {
  // The play is read when the file is written: the animation goes on while the dialog is open.
  saveThroughDialog(
      platform, replayFilter(), kReplayFolderName, [&](const std::filesystem::path& path) {
        return writeReplayFile(path, dataSetName, stageName, play.recordedMoves(), play.lastTurn());
      });
}

}  // namespace vantoki
