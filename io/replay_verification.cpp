#include "io/replay_verification.h"

#include <memory>
#include <optional>

#include "core/stage_selection.h"
#include "io/file_error.h"
#include "io/replay_playback.h"

namespace vantoki {
namespace {

std::string quoted(const std::string& text) {
  return "\"" + text + "\"";
}

}  // namespace

ReplayVerdict verifyReplay(const StageSet& stageSet, const ReplayRecords& replay) {
  ReplayVerdict verdict;
  if (replay.dataSetName != stageSet.dataSetName) {
    verdict.warnings.push_back("saved on data set " + quoted(replay.dataSetName) +
                               ", the stage file holds " + quoted(stageSet.dataSetName));
  }
  std::vector<int> matches;
  for (int stage = 0; stage < kStageCount; ++stage) {
    if (stageSet.stageNames[stage] == replay.stageName) {
      matches.push_back(stage);
    }
  }
  if (matches.size() != 1) {
    verdict.failure =
        (matches.empty() ? "no stage" : countOf(static_cast<long long>(matches.size()), "stage")) +
        " named " + quoted(replay.stageName);
    return verdict;
  }
  verdict.stage = matches.front();

  auto play = std::make_unique<PlayState>();
  startPlay(*play, stageSet.stageCells[verdict.stage]);
  if (const std::optional<FileError> problem = decodeMoveRecord(replay.moveRecord, play->moveLog)) {
    verdict.failure = problem->message;
    return verdict;
  }
  const PlaybackOutcome outcome = playWholeReplay(*play);
  verdict.turns = play->lastTurn;
  const int starsLeft = countTiles(play->currentBoard(), Tile::Star);
  if (outcome.movesPlayed == 0) {
    verdict.failure = "the replay holds no move";
  } else if (starsLeft > 0) {
    verdict.failure = countOf(starsLeft, "star") + " left after " + countOf(verdict.turns, "turn");
  } else {
    verdict.cleared = true;
  }
  return verdict;
}

}  // namespace vantoki
