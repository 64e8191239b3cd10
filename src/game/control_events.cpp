#include "game/control_events.h"

#include <cmath>
#include <optional>

#include "core/direction.h"
#include "core/history_step.h"
#include "game/main_window_controls.h"
#include "platform/mouse_buttons.h"

namespace vantoki {
namespace {

// The direction of a direction button, or none for any other control.
std::optional<int> directionOf(std::string_view control) {
  const Command* command = commandOf(control);
  if (command == nullptr || command->action != CommandAction::PressDirection) {
    return std::nullopt;
  }
  return command->index;
}

}  // namespace

void GameEvents::click(std::string_view control) {
  const Command* command = commandOf(control);
  if (command == nullptr || !game_.reachable(control)) {
    return;
  }
  switch (command->action) {
    case CommandAction::SelectStage:
      game_.selectStage(command->index);
      break;
    case CommandAction::SaveStageData:
      game_.saveStageData();
      break;
    case CommandAction::LoadStageData:
      game_.loadStageData();
      break;
    case CommandAction::ToggleEditor:
      game_.toggleEditor();
      break;
    case CommandAction::SaveReplay:
      game_.saveReplay();
      break;
    case CommandAction::StepThroughHistory:
      game_.stepThroughHistory(static_cast<HistoryStep>(command->index));
      break;
    case CommandAction::PlayReplay:
      game_.startReplay();
      break;
    case CommandAction::ShowAbout:
      game_.showAbout();
      break;
    case CommandAction::StopReplay:
      game_.stopReplay();
      break;
    case CommandAction::OperateOnStages:
      game_.operateOnStages();
      break;
    case CommandAction::PressDirection:
    case CommandAction::RequestHint:
      // A direction button moves when pressed, not when clicked; the hint is a key's alone.
      break;
  }
}

void GameEvents::press(std::string_view control, int button, double x, double y) {
  if (!game_.reachable(control)) {
    return;
  }
  if (control == controls::kBoard) {
    // A press paints as a drag with that one button held does.
    game_.paintStageCell(button, x, y);
  } else if (control == controls::kPalette) {
    game_.pickPaletteTile(button, x, y);
  } else if (const std::optional<int> direction = directionOf(control)) {
    if (button == kLeftMouseButton) {
      game_.pressDirection(*direction);
    } else {
      game_.holdDirection(*direction);
    }
  }
}

void GameEvents::drag(std::string_view control, int buttons, double x, double y) {
  if (control == controls::kBoard && game_.reachable(control)) {
    game_.paintStageCell(buttons, x, y);
  }
}

void GameEvents::release(std::string_view control) {
  // A release lets go even of a button a panel has come to cover since the press.
  if (directionOf(control) || (control == controls::kBoard && swipeHeld_)) {
    game_.releaseDirection();
    swipeHeld_ = false;
  }
}

void GameEvents::swipe(std::string_view control, double dx, double dy) {
  if (control != controls::kBoard || !game_.reachable(control) || (dx == 0 && dy == 0)) {
    return;
  }
  const Direction way = std::abs(dx) >= std::abs(dy) ? (dx < 0 ? Direction::Left : Direction::Right)
                                                     : (dy < 0 ? Direction::Up : Direction::Down);
  swipeHeld_ = game_.pressDirection(static_cast<int>(way));
}

void GameEvents::editText(std::string_view control, const std::string& text) {
  if (!game_.reachable(control) || game_.screen().locked(control)) {
    return;
  }
  game_.heard(captioned(std::string(control), text));
  if (control == controls::kStageNameBox) {
    game_.renameStage(text);
  } else if (control == controls::kDataSetNameBox) {
    game_.renameDataSet(text);
  }
}

void GameEvents::chooseItem(std::string_view control, int index) {
  if (control != controls::kSpeedList || !game_.reachable(control)) {
    return;
  }
  game_.heard(selected(std::string(control), index));
  game_.selectSpeed(index);
}

bool GameEvents::takeCommandKey(const Command& command, bool press, bool autoRepeat) {
  switch (command.action) {
    case CommandAction::RequestHint:
      if (!game_.hintReachable()) {
        return false;
      }
      if (press && !autoRepeat) {
        game_.requestHint();
      }
      return true;
    case CommandAction::PressDirection:
      // Holding the key repeats as holding the button does, at the pace of the tick; the
      // keyboard's own repeats neither move nor release.
      if (!press) {
        return autoRepeat ? game_.directionKeyHeld() : game_.releaseDirectionKey();
      }
      if (autoRepeat) {
        return game_.directionsReachable();
      }
      return game_.pressDirectionKey(command.index);
    case CommandAction::StepThroughHistory:
      if (!game_.historyReachable()) {
        return false;
      }
      if (press) {
        game_.stepThroughHistory(static_cast<HistoryStep>(command.index));
      }
      return true;
    default:
      return false;
  }
}

bool GameEvents::key(const Command* command, bool press, bool autoRepeat, bool inNameBox) {
  return command != nullptr && (takeCommandKey(*command, press, autoRepeat) || !inNameBox);
}

}  // namespace vantoki
