// vantoki-cli replay: plays a replay file on one stage of a stage data file, exactly as the
// game's replay playback does, and reports how the play ends.
#include <iostream>
#include <optional>

#include "arguments.h"
#include "commands.h"
#include "io/replay_file.h"
#include "io/stage_data_file.h"
#include "replay/recorded_play.h"

namespace vantoki::cli {
namespace {

void printBoard(const Board& board) {
  for (int y = 0; y < kBoardSize; ++y) {
    std::cout << rowRecordText(board, y) << "\n";
  }
}

}  // namespace

int runReplay(std::span<const std::string_view> arguments) {
  const bool printBoards = arguments.size() == 4 && arguments[3] == "--boards";
  if (arguments.size() != 3 && !printBoards) {
    return kExitUsage;
  }
  const std::optional<ChosenStage> chosen = chooseStage(arguments[0], arguments[1]);
  if (!chosen) {
    return kExitFailure;
  }
  const StageSet& stageSet = chosen->stageSet;
  const int stage = chosen->stage;
  const Result<ReplayRecords> replay = readReplayFile(std::string(arguments[2]));
  if (!replay.ok()) {
    return failWith(replay.error().message);
  }
  if (replay.value().dataSetName != stageSet.dataSetName ||
      replay.value().stageName != stageSet.stageNames[stage]) {
    std::cerr << "vantoki-cli: warning: the replay was saved on \""
              << printable(replay.value().stageName) << "\" of \""
              << printable(replay.value().dataSetName) << "\", not on \""
              << printable(stageSet.stageNames[stage]) << "\" of \""
              << printable(stageSet.dataSetName) << "\"; playing it anyway\n";
  }

  const Result<RecordedPlay> recorded =
      playMoveRecord(stageSet.stageCells[stage], replay.value().moveRecord);
  if (!recorded.ok()) {
    return failWith(std::string(arguments[2]) + ": " + recorded.error().message);
  }
  const Play& play = *recorded.value().play;

  if (printBoards) {
    for (int turn = 0; turn <= play.lastTurn(); ++turn) {
      std::cout << "turn " << turn << "\n";
      printBoard(play.snapshot(turn));
    }
  }
  const int stars = countTiles(play.currentBoard(), Tile::Star);
  std::cout << "turn=" << play.currentTurn() << " last=" << play.lastTurn() << " stars=" << stars
            << " cleared=" << (recorded.value().cleared() ? "yes" : "no") << "\n";
  return kExitOk;
}

}  // namespace vantoki::cli
