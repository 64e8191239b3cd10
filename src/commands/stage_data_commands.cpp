#include "commands/stage_data_commands.h"

#include <optional>

#include "commands/file_commands.h"
#include "io/stage_data_file.h"
#include "platform/messages.h"

namespace vantoki {

FileFilter stageDataFilter() {
  return {"Vantoki　ステージデータ (*.vkst)", "*.vkst"};
}

bool saveStageData(Platform& platform, const StageSet& stageSet) {
  return saveThroughDialog(platform, stageDataFilter(), kStageDataFolderName,
                           [&stageSet](const std::filesystem::path& path) {
                             return writeStageDataFile(path, stageSet);
                           });
}

void loadStageData(Platform& platform, const std::function<void(StageSet)>& install) {
  const std::optional<std::filesystem::path> path =
      chooseExistingFile(platform, stageDataFilter(), kStageDataFolderName);
  if (path && loadStageDataFrom(platform, *path, install)) {
    tellDone(platform, "データロードが完了しました");
  }
}

bool loadStageDataFrom(Platform& platform, const std::filesystem::path& path,
                       const std::function<void(StageSet)>& install) {
  Result<StageSet> loaded = readStageDataFile(path);
  if (!loaded.ok()) {
    reportLoadFailure(platform, path, loaded.error());
    return false;
  }
  install(std::move(loaded).value());
  return true;
}

}  // namespace vantoki
