#include "app/game.h"

#include <cstdio>

#include "core/move_entry.h"
#include "core/stage_selection.h"
#include "editor/palette.h"
#include "view/game_speed.h"

namespace vantoki {

std::string formatTurn(int turn) {
  char text[16];
  std::snprintf(text, sizeof text, "%03d", turn);
  return text;
}

Game::Game(const PictureStrips& strips, Platform& platform)
    : strips_(strips),
      platform_(platform),
      boardImage_(kBoardPixels, kBoardPixels),
      painter_(strips, boardImage_) {}

void Game::startUp() {
  stageSet_ = initialStageSet();
  animStep_ = kStandardAnimStep;
  selectSpeed(kStandardSpeedIndex);
  editMode_ = false;
  selectStage(0);
  palettePicture_ = drawPalette(strips_);
  leftTile_ = code(Tile::Wall);
  pickPaletteTile(kLeftMouseButton, 0, kCellPixels);
  rightTile_ = code(Tile::Empty);
  pickPaletteTile(kRightMouseButton, 0, 0);
  play_->animating = 0;
  play_->heldButton = 0;
}

void Game::selectStage(int stage) {
  currentStage_ = stage;
  painter_.drawStage(stageSet_.stageCells[stage]);
  startPlay(*play_, stageSet_.stageCells[stage]);
  // The old play's move must not be committed into the new one.
  play_->animating = 0;
  currentTurnLabel_ = formatTurn(play_->currentTurn);
  lastTurnLabel_ = formatTurn(play_->lastTurn);
  stageClearShown_ = false;
}

void Game::installStageSet(StageSet stageSet) {
  stageSet_ = std::move(stageSet);
  selectStage(0);
}

void Game::pressDirectionButton(int directionIndex, int mouseButton) {
  vantoki::pressDirectionButton(*play_, directionIndex, mouseButton);
}

void Game::releaseDirectionButton() {
  vantoki::releaseDirectionButton(*play_);
}

void Game::tick() {
  timer_.tick(*play_, animStep_, editMode_, painter_, *this);
}

void Game::stepThroughHistory(HistoryButton button) {
  if (!navigateHistory(*play_, button)) {
    return;
  }
  painter_.redrawBoard(play_->currentBoard());
  currentTurnLabel_ = formatTurn(play_->currentTurn);
  lastTurnLabel_ = formatTurn(play_->lastTurn);
  stageClearShown_ = showsStageClear(*play_);
}

void Game::selectSpeed(int speedIndex) {
  selectGameSpeed(animStep_, speedIndex, play_->animating);
}

void Game::pickPaletteTile(int mouseButton, double x, double y) {
  const int paletteCode = paletteCodeAt(x, y);
  if (mouseButton == kLeftMouseButton) {
    leftTile_ = paletteCode;
    leftTilePicture_ = drawPaletteTile(strips_, paletteCode);
  } else if (mouseButton == kRightMouseButton) {
    rightTile_ = paletteCode;
    rightTilePicture_ = drawPaletteTile(strips_, paletteCode);
  }
}

bool Game::leftButtonDown() {
  return platform_.leftMouseButtonDown();
}

void Game::showTurnLabels(int currentTurn, int lastTurn) {
  currentTurnLabel_ = formatTurn(currentTurn);
  lastTurnLabel_ = formatTurn(lastTurn);
}

void Game::showTurnLimitMessage() {
  platform_.showMessage("500ターンを超えましたので、これ以上は記録されません！", "メッセージ",
                        MessageButtons::Ok);
}

void Game::showStageClear() {
  stageClearShown_ = true;
}

}  // namespace vantoki
