#include "replay/replay_verification.h"

#include "io/file_error.h"
#include "replay/recorded_play.h"

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

  const Result<RecordedPlay> recorded =
      playMoveRecord(stageSet.stageCells[verdict.stage], replay.moveRecord);
  if (!recorded.ok()) {
    verdict.failure = recorded.error().message;
    return verdict;
  }
  const Play& play = *recorded.value().play;
  verdict.turns = play.lastTurn();
  if (recorded.value().outcome.movesPlayed == 0) {
    verdict.failure = "the replay holds no move";
  } else if (!recorded.value().cleared()) {
    const int starsLeft = countTiles(play.currentBoard(), Tile::Star);
    verdict.failure = countOf(starsLeft, "star") + " left after " + countOf(verdict.turns, "turn");
  } else {
    verdict.cleared = true;
  }
  return verdict;
}

}  // namespace vantoki
