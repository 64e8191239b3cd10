#include "web_shell.h"

#include <utility>

#include "dialogs/stage_preview.h"
#include "game/control_events.h"
#include "layout/command_table.h"
#include "layout/layout_table.h"
#include "page_controls.h"
#include "page_elements.h"
#include "view/game_speed.h"
#include "view/strip_shrink.h"

namespace vantoki {
namespace {

constexpr std::string_view kMainWindow = "Form1";

std::string mainId(std::string_view objectName) {
  return elementId(kMainWindow, objectName);
}

std::string mainId(std::string_view arrayObject, int index) {
  return elementId(kMainWindow, arrayName(arrayObject, index));
}

// The object name of the main window's control with element id `id`; empty for none.
std::string_view controlOfElement(const std::string& id) {
  for (const ControlPlace& place : mainWindowLayout()) {
    if (mainId(place.name) == id) {
      return place.name;
    }
  }
  return {};
}

}  // namespace

WebShell::WebShell(PictureStrips strips)
    : strips_(std::move(strips)),
      miniStrip_(shrinkStripCells(strips_.sprites, kMiniCellPixels)),
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
  clickControl(game_, controlOfElement(id));
}

void WebShell::selectSpeed(int speedIndex) {
  game_.selectSpeed(speedIndex);
}

void WebShell::pressPicture(const std::string& id, int button, double x, double y) {
  pressOnPicture(game_, controlOfElement(id), button, x, y);
}

void WebShell::dragOnPicture(const std::string& id, int buttons, double x, double y) {
  vantoki::dragOnPicture(game_, controlOfElement(id), buttons, x, y);
}

void WebShell::releasePicture(const std::string& id) {
  releaseOnPicture(game_, controlOfElement(id));
}

void WebShell::editName(const std::string& id, const std::string& text) {
  editNameBox(game_, controlOfElement(id), text);
}

bool WebShell::keyDown(const std::string& key, bool autoRepeat, bool inNameBox) {
  return takeKey(game_, commandForKeyText(key), true, autoRepeat, inNameBox);
}

bool WebShell::keyUp(const std::string& key, bool autoRepeat, bool inNameBox) {
  return takeKey(game_, commandForKeyText(key), false, autoRepeat, inNameBox);
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
  for (const ControlChange& change : editModeChanges(game_.editMode())) {
    const std::string id = mainId(change.name);
    switch (change.what) {
      case ControlChange::What::Shown:
        setElementVisible(id, change.on);
        break;
      case ControlChange::What::Locked:
        setElementLocked(id, change.on);
        break;
      case ControlChange::What::Caption:
        setElementText(id, std::string(change.caption));
        break;
    }
  }
}

void WebShell::replayRunningChanged() {
  setElementVisible(mainId("Frame6"), game_.replayRunning());
}

}  // namespace vantoki
