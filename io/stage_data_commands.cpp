#include "io/stage_data_commands.h"

#include <optional>

#include "io/stage_data_file.h"

namespace vantoki {
namespace {

void reportFailure(Platform& platform, const std::filesystem::path& path, const char* what) {
  platform.showMessage("原因不明のエラーで、" + path.string() + what, "エラー", MessageButtons::Ok);
}

}  // namespace

FileFilter stageDataFilter() {
  return {"Vantoki　ステージデータ (*.vkst)", "*.vkst"};
}

std::filesystem::path stageDataFolder(Platform& platform) {
  return platform.programFolder() / "stagedata";
}

void saveStageData(Platform& platform, const StageSet& stageSet) {
  const std::optional<std::filesystem::path> path =
      platform.chooseFileToSave(stageDataFilter(), stageDataFolder(platform));
  if (!path) {
    return;
  }
  if (platform.fileExists(*path) &&
      platform.showMessage("同名のファイルが存在します。上書きしますか？", "確認",
                           MessageButtons::YesNo) != MessageAnswer::Yes) {
    return;
  }
  if (writeStageDataFile(*path, stageSet)) {
    reportFailure(platform, *path, "をデータセーブできませんでした");
    return;
  }
  platform.showMessage("データセーブが完了しました", "メッセージ", MessageButtons::Ok);
}

void loadStageData(Platform& platform, const std::function<void(StageSet)>& install) {
  const std::optional<std::filesystem::path> path =
      platform.chooseFileToOpen(stageDataFilter(), stageDataFolder(platform));
  if (!path || !platform.fileExists(*path)) {
    return;
  }
  Result<StageSet> loaded = readStageDataFile(*path);
  if (!loaded.ok()) {
    reportFailure(platform, *path, "をデータロードできませんでした");
    return;
  }
  install(std::move(loaded).value());
  platform.showMessage("データロードが完了しました", "メッセージ", MessageButtons::Ok);
}

}  // namespace vantoki
