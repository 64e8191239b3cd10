#include "game/command_keys.h"

#include "core/history_step.h"

namespace vantoki {

bool takeCommandKey(Game& game, const Command& command, bool press, bool autoRepeat) {
  switch (command.action) {
    case CommandAction::RequestHint:
      if (!game.hintReachable()) {
        return false;
      }
      if (press && !autoRepeat) {
        game.requestHint();
      }
      return true;
    case CommandAction::PressDirection:
      // Holding the key repeats as holding the button does, at the pace of the tick; the
      // keyboard's own repeats neither move nor release.
      if (!press) {
        return autoRepeat ? game.directionKeyHeld() : game.releaseDirectionKey();
      }
      if (autoRepeat) {
        return game.directionsReachable();
      }
      return game.pressDirectionKey(command.index);
    case CommandAction::StepThroughHistory:
      if (!game.historyReachable()) {
        return false;
      }
      if (press) {
        game.stepThroughHistory(static_cast<HistoryStep>(command.index));
      }
      return true;
    default:
      return false;
  }
}

}  // namespace vantoki
