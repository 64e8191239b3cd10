// vantoki-cli check: what a stage data file holds, stage by stage.
#include <iostream>
#include <memory>
#include <string>

#include "commands.h"
#include "io/stage_data_file.h"

namespace vantoki::cli {
namespace {

struct PieceCount {
  int players = 0, bombs = 0, stars = 0, balls = 0, arrowBlocks = 0;
};

PieceCount countPieces(const Board& board) {
  PieceCount count;
  for (const TileCode value : board.cells()) {
    count.players += value == code(Tile::Player) || value == code(Tile::PlayerOnLadder);
    count.bombs += value == code(Tile::Bomb);
    count.stars += value == code(Tile::Star);
    count.balls += value == code(Tile::Ball);
    count.arrowBlocks += isArrowBlock(value);
  }
  return count;
}

int runCheck(const std::string& stageFile) {
  const Result<StageSet> read = readStageDataFile(stageFile);
  if (!read.ok()) {
    return failWith(read.error().message);
  }
  const StageSet& stageSet = read.value();
  std::cout << "data set: " << printable(stageSet.dataSetName) << "\n";
  for (int stage = 0; stage < kStageCount; ++stage) {
    const PieceCount count = countPieces(stageSet.stageCells[stage]);
    std::cout << "stage " << stage + 1 << ": players " << count.players << ", bombs " << count.bombs
              << ", stars " << count.stars << ", balls " << count.balls << ", arrow blocks "
              << count.arrowBlocks << ", name " << printable(stageSet.stageNames[stage]) << "\n";
  }
  return kExitOk;
}

}  // namespace

Command addCheck(CLI::App& program) {
  CLI::App* const commandLine =
      program.add_subcommand("check", "count the pieces of each stage of a stage file");
  const auto stageFile = std::make_shared<std::string>();
  commandLine->add_option("STAGEFILE", *stageFile)->required();
  return {commandLine, [stageFile] { return runCheck(*stageFile); }};
}

}  // namespace vantoki::cli
