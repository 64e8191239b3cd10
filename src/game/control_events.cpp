#include "game/control_events.h"

#include <optional>

#include "core/history_step.h"
#include "layout/layout_table.h"
#include "platform/mouse_buttons.h"

namespace vantoki {
namespace {

constexpr std::string_view kBoard = "MapPic";
constexpr std::string_view kPalette = "Picture1";
constexpr std::string_view kStageNameBox = "Text1";
constexpr std::string_view kDataSetNameBox = "Text2";
constexpr std::string_view kEditorButton = "Command3";
constexpr std::string_view kEditorButtonCaptionInEditor = "ゲームプレイ";

// The direction of a direction button, or none for any other control.
std::optional<int> directionOf(std::string_view name) {
  const Command* command = commandOf(name);
  if (command == nullptr || command->action != CommandAction::PressDirection) {
    return std::nullopt;
  }
  return command->index;
}

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

}  // namespace

void clickControl(Game& game, std::string_view name) {
  const Command* command = commandOf(name);
  if (command == nullptr) {
    return;
  }
  switch (command->action) {
    case CommandAction::SelectStage:
      game.selectStage(command->index);
      break;
    case CommandAction::SaveStageData:
      game.saveStageData();
      break;
    case CommandAction::LoadStageData:
      game.loadStageData();
      break;
    case CommandAction::ToggleEditor:
      game.toggleEditor();
      break;
    case CommandAction::SaveReplay:
      game.saveReplay();
      break;
    case CommandAction::StepThroughHistory:
      game.stepThroughHistory(static_cast<HistoryStep>(command->index));
      break;
    case CommandAction::PlayReplay:
      game.startReplay();
      break;
    case CommandAction::ShowAbout:
      game.showAbout();
      break;
    case CommandAction::StopReplay:
      game.stopReplay();
      break;
    case CommandAction::OperateOnStages:
      game.operateOnStages();
      break;
    case CommandAction::PressDirection:
    case CommandAction::RequestHint:
      // A direction button moves when pressed, not when clicked; the hint is a key's alone.
      break;
  }
}

void pressOnPicture(Game& game, std::string_view name, int button, double x, double y) {
  if (name == kBoard) {
    // A press paints as a drag with that one button held does.
    game.paintStageCell(button, x, y);
  } else if (name == kPalette) {
    game.pickPaletteTile(button, x, y);
  } else if (const std::optional<int> direction = directionOf(name)) {
    if (button == kLeftMouseButton) {
      game.pressDirection(*direction);
    } else {
      game.holdDirection(*direction);
    }
  }
}

void dragOnPicture(Game& game, std::string_view name, int buttons, double x, double y) {
  if (name == kBoard) {
    game.paintStageCell(buttons, x, y);
  }
}

void releaseOnPicture(Game& game, std::string_view name) {
  if (directionOf(name)) {
    game.releaseDirection();
  }
}

void editNameBox(Game& game, std::string_view name, const std::string& text) {
  if (name == kStageNameBox) {
    game.renameStage(text);
  } else if (name == kDataSetNameBox) {
    game.renameDataSet(text);
  }
}

bool takeKey(Game& game, const Command* command, bool press, bool autoRepeat, bool inNameBox) {
  return command != nullptr && (takeCommandKey(game, *command, press, autoRepeat) || !inNameBox);
}

std::vector<ControlChange> editModeChanges(bool editing) {
  using enum ControlChange::What;
  const std::string_view editorCaption =
      editing ? kEditorButtonCaptionInEditor : placeOf(mainWindowLayout(), kEditorButton).caption;
  return {
      {kEditorButton, Caption, false, editorCaption},
      {"Frame5", Shown, editing},
      {"Frame4", Shown, !editing},
      {kStageNameBox, Locked, !editing},
      {kDataSetNameBox, Locked, !editing},
      {"Command9", Shown, editing},
  };
}

}  // namespace vantoki
