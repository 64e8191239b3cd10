// vantoki-cli replay: plays a replay file on one stage of a stage data file, exactly as the
// game's replay playback does, and reports how the play ends.
#include <iostream>
#include <memory>
#include <optional>
#include <string>

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

struct ReplayArguments {
  std::string stageFile;
  int stage = 0;
  std::string replayFile;
  bool printBoards = false;
};

int runReplay(const ReplayArguments& arguments) {
  const std::optional<ChosenStage> chosen = chooseStage(arguments.stageFile, arguments.stage);
  if (!chosen) {
    return kExitFailure;
  }
  const StageSet& stageSet = chosen->stageSet;
  const int stage = chosen->stage;
  const Result<ReplayRecords> replay = readReplayFile(arguments.replayFile);
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
    return failWith(arguments.replayFile + ": " + recorded.error().message);
  }
  const Play& play = *recorded.value().play;

  if (arguments.printBoards) {
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

}  // namespace

Command addReplay(CLI::App& program) {
  CLI::App* const commandLine =
      program.add_subcommand("replay", "play a replay on a stage and tell how the play ends");
  const auto arguments = std::make_shared<ReplayArguments>();
  commandLine->add_option("STAGEFILE", arguments->stageFile)->required();
  addStageArgument(*commandLine, arguments->stage);
  commandLine->add_option("REPLAYFILE", arguments->replayFile)->required();
  commandLine->add_flag("--boards", arguments->printBoards);
  return {commandLine, [arguments] { return runReplay(*arguments); }};
}

}  // namespace vantoki::cli
