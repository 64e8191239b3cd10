#include "web_shell.h"

#include <utility>

#include "core/history_step.h"
#include "game/command_keys.h"
#include "layout/command_table.h"
#include "layout/layout_table.h"
#include "page_controls.h"
#include "page_elements.h"
#include "platform/mouse_buttons.h"
#include "view/game_speed.h"

namespace vantoki {
namespace {

constexpr std::string_view kMainWindow = "Form1";

std::string mainId(std::string_view objectName) {
  return elementId(kMainWindow, objectName);
}

std::string mainId(std::string_view arrayObject, int index) {
  return elementId(kMainWindow, arrayName(arrayObject, index));
}

// The command whose control has element id `id`, or null.
const Command* commandOfElement(const std::string& id) {
  for (const Command& command : mainWindowCommands()) {
    if (!command.name.empty() && mainId(command.name) == id) {
      return &command;
    }
  }
  return nullptr;
}

const Command* commandForKey(const std::string& key) {
  for (const Command& command : mainWindowCommands()) {
    for (const std::string_view each : command.keys) {
      if (!each.empty() && each == key) {
        return &command;
      }
    }
  }
  return nullptr;
}

}  // namespace

WebShell::WebShell(PictureStrips strips, Image24 miniStrip)
    : strips_(std::move(strips)),
      miniStrip_(std::move(miniStrip)),
      platform_(miniStrip_),
      game_(strips_, platform_) {
  game_.setView(this);
  // As the window does when a dialog takes the keyboard from it.
  platform_.onKeyboardTaken([this] { game_.releaseDirectionKey(); });
}

void WebShell::start(const std::string& stageFile) {
  game_.startUp();
  for (int direction = 0; direction < 4; ++direction) {
    Image24 arrow(kCellPixels, kCellPixels);
    transferBlock(arrow, 0, 0, strips_.sprites,
                  {(kFirstArrowPicture + direction) * kCellPixels, 0, kCellPixels, kCellPixels},
                  RasterOp::Copy);
    showPicture(mainId("Picture4", direction), arrow);
  }
  setElementValue(mainId("Combo1"), kStandardSpeedIndex);
  showPicture(mainId("Picture1"), game_.palettePicture());
  editModeChanged();
  if (!stageFile.empty()) {
    game_.loadStageDataFrom(platform_.dataFolder() / stageFile);
  }
}

void WebShell::tick() {
  platform_.runHandedOverCalls();
  game_.tick();
}

void WebShell::click(const std::string& id) {
  for (int stage = 0; stage < kStageCount; ++stage) {
    if (id == mainId("Option1", stage)) {
      game_.selectStage(stage);
      return;
    }
  }
  const Command* command = commandOfElement(id);
  if (command == nullptr) {
    return;
  }
  switch (command->action) {
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
      // Pressed with the mouse (pressPicture) or the keys.
      break;
  }
}

void WebShell::selectSpeed(int speedIndex) {
  game_.selectSpeed(speedIndex);
}

void WebShell::pressPicture(const std::string& id, int button, double x, double y) {
  if (id == mainId("MapPic")) {
    // A press paints as a drag with that one button held does.
    game_.paintStageCell(button, x, y);
  } else if (id == mainId("Picture1")) {
    game_.pickPaletteTile(button, x, y);
  } else if (const Command* command = commandOfElement(id);
             command != nullptr && command->action == CommandAction::PressDirection) {
    // Only the left button moves; any other still arms the held-button repeat.
    if (button == kLeftMouseButton) {
      game_.pressDirection(command->index);
    } else {
      game_.holdDirection(command->index);
    }
  }
}

void WebShell::dragOnPicture(const std::string& id, int buttons, double x, double y) {
  if (id == mainId("MapPic")) {
    game_.paintStageCell(buttons, x, y);
  }
}

void WebShell::releasePicture(const std::string& id) {
  if (const Command* command = commandOfElement(id);
      command != nullptr && command->action == CommandAction::PressDirection) {
    game_.releaseDirection();
  }
}

void WebShell::editName(const std::string& id, const std::string& text) {
  if (id == mainId("Text1")) {
    game_.renameStage(text);
  } else if (id == mainId("Text2")) {
    game_.renameDataSet(text);
  }
}

bool WebShell::keyDown(const std::string& key, bool autoRepeat, bool inNameBox) {
  const Command* command = commandForKey(key);
  // Out of reach, a command's key does nothing, except in a name box, which edits with it.
  return command != nullptr && (takeCommandKey(game_, *command, true, autoRepeat) || !inNameBox);
}

bool WebShell::keyUp(const std::string& key, bool autoRepeat, bool inNameBox) {
  const Command* command = commandForKey(key);
  return command != nullptr && (takeCommandKey(game_, *command, false, autoRepeat) || !inNameBox);
}

void WebShell::boardPictureChanged() {
  showPicture(mainId("MapPic"), game_.boardImage());
}

void WebShell::turnLabelsChanged() {
  setElementText(mainId("Label5"), game_.currentTurnLabel());
  setElementText(mainId("Label3"), game_.lastTurnLabel());
}

void WebShell::stageClearChanged() {
  setElementVisible(mainId("Frame7"), game_.stageClearShown());
}

void WebShell::stageChanged() {
  for (int stage = 0; stage < kStageCount; ++stage) {
    setElementChecked(mainId("Option1", stage), stage == game_.currentStage());
  }
  const StageSet& stageSet = game_.stageSet();
  setElementText(mainId("Text1"), stageSet.stageNames[game_.currentStage()]);
  setElementText(mainId("Text2"), stageSet.dataSetName);
}

void WebShell::editorTilesChanged() {
  showPicture(mainId("Picture2"), game_.leftTilePicture());
  showPicture(mainId("Picture3"), game_.rightTilePicture());
}

void WebShell::editModeChanged() {
  const bool editing = game_.editMode();
  const Command& toggle = commandNamed("Command3");
  setElementText(mainId("Command3"),
                 std::string(editing ? toggle.captionInEditor : toggle.caption));
  setElementVisible(mainId("Frame5"), editing);
  setElementVisible(mainId("Frame4"), !editing);
  setElementLocked(mainId("Text1"), !editing);
  setElementLocked(mainId("Text2"), !editing);
  setElementVisible(mainId("Command9"), editing);
}

void WebShell::replayRunningChanged() {
  setElementVisible(mainId("Frame6"), game_.replayRunning());
}

}  // namespace vantoki
