// A fingerprint of how the game behaves, taken from the outside: every board of many plays and
// every picture of the animation. The expected hashes were recorded once; a change to the rules,
// the drawing or the playback of stored replays moves them. When a change is meant to alter the
// game, record the new values deliberately and say so; otherwise a moved hash is a fault.
//
// Each test's fingerprint is made of cases (a board and its moves, a replay, a move at a speed),
// whose own fingerprints are kept in data/behaviour_cases.txt, so a moved hash comes with the
// names of the cases that moved it. Running the tests with VANTOKI_RECORD_BEHAVIOUR=1 writes that
// file anew from the code as it is.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "board_fixture.h"
#include "cli_run.h"
#include "fake_platform.h"
#include "game/game.h"
#include "io/replay_file.h"
#include "io/stage_data_file.h"
#include "replay/recorded_play.h"
#include "strip_fixture.h"

namespace vantoki {
namespace {

using testing::c;

// FNV-1a, 64 bits: fixed by definition, so the values hold on every machine.
class Fingerprint {
 public:
  void add(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < size; ++i) {
      hash_ = (hash_ ^ bytes[i]) * 0x100000001b3ULL;
    }
  }
  void add(std::string_view text) { add(text.data(), text.size()); }
  void add(const Board& board) { add(board.cells().data(), sizeof(TileCode) * kCellCount); }
  void add(const Image24& image) {
    for (int y = 0; y < image.height(); ++y) {
      add(image.row(y), static_cast<std::size_t>(image.width()) * 3);
    }
  }
  std::uint64_t value() const { return hash_; }

 private:
  std::uint64_t hash_ = 0xcbf29ce484222325ULL;
};

const std::filesystem::path kCasesFile =
    std::filesystem::path(VANTOKI_TEST_DATA_DIR) / "behaviour_cases.txt";

// The recorded fingerprint of every case, by its "test/case" name.
std::map<std::string, std::uint64_t> recordedCases() {
  std::map<std::string, std::uint64_t> cases;
  std::ifstream file(kCasesFile);
  std::string name;
  std::uint64_t value = 0;
  while (file >> name >> value) {
    cases[name] = value;
  }
  return cases;
}

// One test's fingerprint, fed case by case: the whole, and each case on its own.
class Signature {
 public:
  explicit Signature(std::string test) : test_(std::move(test)) {}

  void beginCase(const std::string& name) {
    cases_.emplace_back(test_ + "/" + name, Fingerprint());
  }
  template <typename Data>
  void add(const Data& data) {
    whole_.add(data);
    cases_.back().second.add(data);
  }

  // Checks the whole against its recorded value; a mismatch names each case that moved.
  void expect(std::uint64_t recorded) {
    if (std::getenv("VANTOKI_RECORD_BEHAVIOUR") != nullptr) {
      record();
      return;
    }
    EXPECT_EQ(whole_.value(), recorded);
    if (whole_.value() == recorded) {
      return;
    }
    const std::map<std::string, std::uint64_t> cases = recordedCases();
    for (const auto& [name, fingerprint] : cases_) {
      const auto found = cases.find(name);
      EXPECT_TRUE(found != cases.end() && found->second == fingerprint.value())
          << name << " behaves differently";
    }
  }

 private:
  void record() const {
    std::map<std::string, std::uint64_t> cases = recordedCases();
    std::erase_if(cases,
                  [this](const auto& entry) { return entry.first.starts_with(test_ + "/"); });
    for (const auto& [name, fingerprint] : cases_) {
      cases[name] = fingerprint.value();
    }
    std::ofstream file(kCasesFile);
    for (const auto& [name, value] : cases) {
      file << name << " " << value << "\n";
    }
    std::cout << "recorded " << test_ << ": " << whole_.value() << "\n";
  }

  std::string test_;
  Fingerprint whole_;
  std::vector<std::pair<std::string, Fingerprint>> cases_;
};

// std::mt19937's output is fixed by the standard, unlike the library's distributions, so the
// boards below are the same everywhere.
class Dice {
 public:
  explicit Dice(std::uint32_t seed) : engine_(seed) {}
  int below(int bound) { return static_cast<int>(engine_() % static_cast<std::uint32_t>(bound)); }

 private:
  std::mt19937 engine_;
};

// Mostly pieces the editor places, with a share of codes no rule defines and, on some boards, a
// border that is not all walls.
Board randomBoard(Dice& dice) {
  const bool walled = dice.below(4) != 0;
  Board board;
  for (int y = 0; y < kBoardSize; ++y) {
    for (int x = 0; x < kBoardSize; ++x) {
      TileCode value = 0;
      const int roll = dice.below(100);
      if (walled && isBorderCell(x, y)) {
        value = c(Tile::Wall);
      } else if (roll < 40) {
        value = c(Tile::Empty);
      } else if (roll < 85) {
        value = static_cast<TileCode>(dice.below(9));
      } else if (roll < 93) {
        value = newArrowBlock(dice.below(4));
      } else if (roll < 97) {
        value = static_cast<TileCode>(10 + dice.below(80));
      } else {
        value = static_cast<TileCode>(dice.below(200) - 60);
      }
      board.set(x, y, value);
    }
  }
  return board;
}

// Directions, now and then a digit that moves nobody, and the end mark.
std::string randomMoveRecord(Dice& dice, int moves) {
  std::string record;
  for (int move = 0; move < moves; ++move) {
    const int roll = dice.below(20);
    record += static_cast<char>('0' + (roll < 19 ? roll % 4 : 4 + dice.below(5)));
  }
  record.resize(kSnapshotCount, '9');
  return record;
}

// Every snapshot of the play of a move record on a stage, and the counters it ends with.
void addPlay(Signature& fingerprint, const Board& stage, const std::string& moveRecord) {
  const Result<RecordedPlay> recorded = playMoveRecord(stage, moveRecord);
  ASSERT_TRUE(recorded.ok());
  const Play& play = *recorded.value().play;
  for (int turn = 0; turn <= play.lastTurn(); ++turn) {
    fingerprint.add(play.snapshot(turn));
  }
  const PlaybackOutcome& outcome = recorded.value().outcome;
  fingerprint.add("turn=" + std::to_string(play.currentTurn()) +
                  " last=" + std::to_string(play.lastTurn()) +
                  " moves=" + std::to_string(outcome.movesPlayed) +
                  " limit=" + std::to_string(outcome.turnLimitMessages));
}

TEST(BehaviourSignatureTest, PlaysOfRandomBoards) {
  Dice dice(20261207);
  Signature fingerprint("PlaysOfRandomBoards");
  for (int board = 0; board < 400; ++board) {
    fingerprint.beginCase("board" + std::to_string(board));
    const Board stage = randomBoard(dice);
    const int moves = board % 50 == 0 ? 520 : 1 + dice.below(60);
    addPlay(fingerprint, stage, randomMoveRecord(dice, moves));
  }
  fingerprint.expect(15217645630491066109ULL);
}

std::string shippedReplay(int stage) {
  char name[32];
  std::snprintf(name, sizeof name, "/stage%02d.vkrp", stage);
  return VANTOKI_REPLAY_DATA_DIR + std::string(name);
}

// The command-line tool's boards of every shipped solution and of random plays saved as files:
// what a stored replay shows must not change.
TEST(BehaviourSignatureTest, ReplayCommandOutput) {
  Signature fingerprint("ReplayCommandOutput");
  const std::string stageFile = VANTOKI_STAGE_DATA_DIR "/vantoki.vkst";
  for (int stage = 1; stage <= kStageCount; ++stage) {
    fingerprint.beginCase("shipped" + std::to_string(stage));
    const RunResult run = runCli("replay " + stageFile + " " + std::to_string(stage) + " " +
                                 shippedReplay(stage) + " --boards");
    ASSERT_EQ(run.status, 0);
    fingerprint.add(run.output);
  }

  const std::filesystem::path folder =
      std::filesystem::path(::testing::TempDir()) / "behaviour_signature";
  std::filesystem::create_directories(folder);
  Dice dice(7);
  StageSet set = initialStageSet();
  for (int stage = 0; stage < kStageCount; ++stage) {
    set.stageCells[stage] = randomBoard(dice);
  }
  const std::filesystem::path stages = folder / "random.vkst";
  ASSERT_FALSE(writeStageDataFile(stages, set).has_value());
  for (int stage = 0; stage < kStageCount; ++stage) {
    fingerprint.beginCase("random" + std::to_string(stage));
    MoveLog log{};
    ASSERT_FALSE(decodeMoveRecord(randomMoveRecord(dice, 30), log).has_value());
    const std::filesystem::path replay = folder / ("random" + std::to_string(stage) + ".vkrp");
    ASSERT_FALSE(writeReplayFile(replay, set.dataSetName, set.stageNames[stage], log, 30));
    const RunResult run = runCli("replay " + stages.string() + " " + std::to_string(stage + 1) +
                                 " " + replay.string() + " --boards");
    ASSERT_EQ(run.status, 0);
    fingerprint.add(run.output);
  }
  fingerprint.expect(8869985285453833097ULL);
}

// Every picture the board shows, tick by tick, through moves that walk, fall, climb, push, kick,
// explode and count down, at every game speed.
TEST(BehaviourSignatureTest, PicturesOfEveryTick) {
  const Board stage = testing::boardFromRows(
      {"###############", "#.............#", "#..B.....*....#", "#..*...H......#",
       "#......H..B...#", "#......H..#...#", "#....P.H......#", "#..####H####..#",
       "#......H......#", "#.a....H...b..#", "#..o..........#", "#.P..o.B*.....#",
       "#.######..d...#", "#.P.o.B..*.Bo.#", "###############"},
      {{'a', 66}, {'b', 31}, {'d', 11}});
  const int moves[] = {2, 2, 2, 0, 0, 2, 2, 2, 3, 3, 1, 1, 0, 2, 2, 2, 2, 0, 3, 2, 2};
  Signature fingerprint("PicturesOfEveryTick");
  for (int speed = 0; speed < 5; ++speed) {
    fingerprint.beginCase("speed" + std::to_string(speed) + "/start");
    testing::FakePlatform platform;
    Game game(testing::gameStrips(), platform);
    game.startUp();
    StageSet set = initialStageSet();
    set.stageCells[3] = stage;
    game.installStageSet(set);
    game.selectSpeed(speed);
    game.selectStage(3);
    fingerprint.add(game.boardImage());
    for (std::size_t move = 0; move < std::size(moves); ++move) {
      const int direction = moves[move];
      fingerprint.beginCase("speed" + std::to_string(speed) + "/move" + std::to_string(move));
      game.pressDirection(direction);
      game.releaseDirection();
      for (int tick = 0; tick < 25 && game.play().moveInProgress(); ++tick) {
        game.tick();
        fingerprint.add(game.boardImage());
        fingerprint.add(game.currentTurnLabel());
      }
    }
    fingerprint.beginCase("speed" + std::to_string(speed) + "/back");
    game.stepThroughHistory(HistoryStep::Previous);
    fingerprint.add(game.boardImage());
  }
  fingerprint.expect(8302647249281783234ULL);
}

}  // namespace
}  // namespace vantoki
