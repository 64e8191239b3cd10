// Fuzz target: the rules on any board and any line of play, through the same Play the window
// drives, each press committed at once. An input is a board (fuzz_board.h), then one action per
// byte:
//   - an action byte below 0xC0 presses direction byte % 4; from 0xC0 to 0xEF it presses the
//     index byte - 0xC8 (-8 to 39), mostly no direction at all; from 0xF0 it takes history step
//     byte % 4.
// An input too short for its board is passed over.
//
// After every action the turns stay within 0 <= current <= last <= 500, and every commit keeps the
// promises of any move; when the stage is walled and holds only palette codes, it keeps those of
// an editor board too.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "fuzz_board.h"
#include "fuzz_target.h"
#include "move_promises.h"
#include "play/play.h"

namespace vantoki {
namespace {

constexpr int kFirstOddPress = 0xC0;
constexpr int kOddPressIndexBase = kFirstOddPress + 8;
constexpr int kFirstHistoryStep = 0xF0;
constexpr int kHistoryStepCount = 4;

void checkTurns(const Play& play) {
  if (!(0 <= play.currentTurn() && play.currentTurn() <= play.lastTurn() &&
        play.lastTurn() <= kTurnLimit)) {
    failFuzzCheck("turn " + std::to_string(play.currentTurn()) + " of " +
                  std::to_string(play.lastTurn()));
  }
}

void pressAndCommit(Play& play, int direction, bool editorStage) {
  const Board before = play.currentBoard();
  if (!play.pressDirection(direction)) {
    failFuzzCheck("a press between moves started no move");
  }
  play.finishMove();
  std::optional<std::string> broken = brokenPromiseOfAnyMove(before, play.currentBoard());
  if (!broken && editorStage) {
    broken = brokenPromiseOfEditorMove(before, play.currentBoard());
  }
  if (broken) {
    failFuzzCheck("direction " + std::to_string(direction) + " at turn " +
                  std::to_string(play.currentTurn()) + ": " + *broken);
  }
}

}  // namespace
}  // namespace vantoki

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vantoki;
  std::span<const std::uint8_t> input(data, size);
  const std::optional<Board> stage = takeFuzzBoard(input);
  if (!stage) {
    return 0;
  }
  const bool editorStage = isEditorBoard(*stage);
  // A fresh play for each input, so that nothing an earlier input left behind can decide a run.
  const std::unique_ptr<Play> play = std::make_unique<Play>();
  play->selectStage(*stage);
  for (const std::uint8_t action : input) {
    if (action < kFirstOddPress) {
      pressAndCommit(*play, action % kDirectionCount, editorStage);
    } else if (action < kFirstHistoryStep) {
      pressAndCommit(*play, action - kOddPressIndexBase, editorStage);
    } else if (!play->stepThroughHistory(static_cast<HistoryStep>(action % kHistoryStepCount))) {
      failFuzzCheck("a history step between moves was refused");
    }
    checkTurns(*play);
  }
  return 0;
}
