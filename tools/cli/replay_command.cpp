// vantoki-cli replay: plays a replay file on one stage of a stage data file, exactly as the
// game's replay playback does, and reports how the play ends.
#include <charconv>
#include <iostream>
#include <memory>
#include <optional>

#include "commands.h"
#include "core/stage_selection.h"
#include "io/replay_file.h"
#include "io/replay_playback.h"
#include "io/stage_data_file.h"

namespace vantoki::cli {
namespace {

// Stage numbers are the ones a player sees: 1 to 10.
std::optional<int> stageIndexOf(std::string_view text) {
  int number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size() || number < 1 ||
      number > kStageCount) {
    return std::nullopt;
  }
  return number - 1;
}

void printBoard(const Board& board) {
  for (int y = 0; y < kBoardSize; ++y) {
    std::cout << rowRecordText(board, y) << "\n";
  }
}

int fail(const std::string& message) {
  std::cerr << "vantoki-cli: " << message << "\n";
  return kExitFailure;
}

}  // namespace

int runReplay(std::span<const std::string_view> arguments) {
  const bool printBoards = arguments.size() == 4 && arguments[3] == "--boards";
  if (arguments.size() != 3 && !printBoards) {
    return kExitUsage;
  }
  const Result<StageSet> stages = readStageDataFile(std::string(arguments[0]));
  if (!stages.ok()) {
    return fail(stages.error().message);
  }
  const std::optional<int> stage = stageIndexOf(arguments[1]);
  if (!stage) {
    return fail("STAGE must be a stage number from 1 to 10, not \"" + std::string(arguments[1]) +
                "\"");
  }
  const Result<ReplayRecords> replay = readReplayFile(std::string(arguments[2]));
  if (!replay.ok()) {
    return fail(replay.error().message);
  }
  const StageSet& stageSet = stages.value();
  if (replay.value().dataSetName != stageSet.dataSetName ||
      replay.value().stageName != stageSet.stageNames[*stage]) {
    std::cerr << "vantoki-cli: warning: the replay was saved on \"" << replay.value().stageName
              << "\" of \"" << replay.value().dataSetName << "\", not on \""
              << stageSet.stageNames[*stage] << "\" of \"" << stageSet.dataSetName
              << "\"; playing it anyway\n";
  }

  auto state = std::make_unique<PlayState>();
  startPlay(*state, stageSet.stageCells[*stage]);
  if (const std::optional<FileError> problem =
          decodeMoveRecord(replay.value().moveRecord, state->moveLog)) {
    return fail(std::string(arguments[2]) + ": " + problem->message);
  }
  const PlaybackOutcome outcome = playWholeReplay(*state);

  if (printBoards) {
    for (int turn = 0; turn <= state->lastTurn; ++turn) {
      std::cout << "turn " << turn << "\n";
      printBoard(state->boardHistory[turn]);
    }
  }
  const int stars = countTiles(state->currentBoard(), Tile::Star);
  const bool cleared = outcome.movesPlayed > 0 && stars == 0;
  std::cout << "turn=" << state->currentTurn << " last=" << state->lastTurn << " stars=" << stars
            << " cleared=" << (cleared ? "yes" : "no") << "\n";
  return kExitOk;
}

}  // namespace vantoki::cli
