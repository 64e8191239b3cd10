#include "replay/stage_of_replay.h"

#include <algorithm>
#include <system_error>
#include <vector>

#include "io/cp932.h"
#include "io/stage_data_file.h"

namespace vantoki {
namespace {

std::vector<std::filesystem::path> stageFilesIn(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  std::error_code unlisted;
  for (std::filesystem::directory_iterator entry(folder, unlisted), end; !unlisted && entry != end;
       entry.increment(unlisted)) {
    std::error_code unreadable;
    if (entry->path().extension() == ".vkst" && entry->is_regular_file(unreadable)) {
      files.push_back(entry->path());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

std::optional<StageOfReplay> findStageOfReplay(const ReplayRecords& replay,
                                               std::span<const std::filesystem::path> folders) {
  for (const std::filesystem::path& folder : folders) {
    for (const std::filesystem::path& file : stageFilesIn(folder)) {
      Result<StageSet> read = readStageDataFile(file);
      if (!read.ok() || !writtenAlike(read.value().dataSetName, replay.dataSetName)) {
        continue;
      }
      const auto& names = read.value().stageNames;
      const auto named = std::find_if(
          names.begin(), names.end(),
          [&replay](const std::string& name) { return writtenAlike(name, replay.stageName); });
      if (named != names.end()) {
        return StageOfReplay{file, std::move(read.value()),
                             static_cast<int>(named - names.begin())};
      }
    }
  }
  return std::nullopt;
}

}  // namespace vantoki
