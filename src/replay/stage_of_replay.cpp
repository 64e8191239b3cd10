#include "replay/stage_of_replay.h"

#include <algorithm>
#include <system_error>
#include <vector>

#include "io/cp932.h"
#include "io/stage_data_file.h"
#include "replay/recorded_play.h"

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

struct Match {
  StageOfReplay found;
  bool cleared;
  std::filesystem::file_time_type written;
};

bool clearsStage(const ReplayRecords& replay, const Board& stage) {
  const Result<RecordedPlay> played = playMoveRecord(stage, replay.moveRecord);
  return played.ok() && played.value().cleared();
}

}  // namespace

std::optional<StageOfReplay> findStageOfReplay(const ReplayRecords& replay,
                                               std::span<const std::filesystem::path> folders) {
  std::vector<Match> matches;
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
      if (named == names.end()) {
        continue;
      }
      const int stage = static_cast<int>(named - names.begin());
      const bool cleared = clearsStage(replay, read.value().stageCells[stage]);
      std::error_code unknown;
      matches.push_back({{file, std::move(read.value()), stage},
                         cleared,
                         std::filesystem::last_write_time(file, unknown)});
    }
  }
  if (std::any_of(matches.begin(), matches.end(),
                  [](const Match& match) { return match.cleared; })) {
    std::erase_if(matches, [](const Match& match) { return !match.cleared; });
  }
  // The first of the last written.
  const auto taken =
      std::max_element(matches.begin(), matches.end(),
                       [](const Match& a, const Match& b) { return a.written < b.written; });
  if (taken == matches.end()) {
    return std::nullopt;
  }
  taken->found.chosenAmongSeveral = matches.size() > 1;
  return std::move(taken->found);
}

}  // namespace vantoki
