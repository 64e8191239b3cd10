#include "app/game.h"

#include <cstdio>

#include "editor/palette.h"
#include "platform/mouse_buttons.h"
#include "view/game_speed.h"
#include "view/move_drawing.h"

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
      painter_(strips, boardImage_, [this] { tellView(&GameView::boardPictureChanged); }) {
  play_->addListener(*this);
}

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
}

void Game::selectStage(int stage) {
  currentStage_ = stage;
  painter_.drawStage(stageSet_.stageCells[stage]);
  tellView(&GameView::stageChanged);
  play_->selectStage(stageSet_.stageCells[stage]);
}

void Game::installStageSet(StageSet stageSet) {
  stageSet_ = std::move(stageSet);
  selectStage(0);
}

void Game::tick() {
  play_->tick(kCellPixels / animStep_, editMode_,
              [this] { return platform_.leftMouseButtonDown(); });
}

void Game::selectSpeed(int speedIndex) {
  selectGameSpeed(animStep_, speedIndex, play_->moveInProgress());
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
  tellView(&GameView::editorTilesChanged);
}

void Game::turnLabelsChanged(int currentTurn, int lastTurn) {
  currentTurnLabel_ = formatTurn(currentTurn);
  lastTurnLabel_ = formatTurn(lastTurn);
  tellView(&GameView::turnLabelsChanged);
}

void Game::shownTurnChanged(const Board& shown) {
  painter_.redrawBoard(shown);
}

void Game::stageClearChanged(bool cleared) {
  stageClearShown_ = cleared;
  tellView(&GameView::stageClearChanged);
}

void Game::moveFrameDue(const MoveFrame& frame) {
  drawMoveFrame(painter_, frame.before, frame.after, frame.motion, animStep_, frame.frame);
  if (!frame.arrives) {
    painter_.presentBoard();
  }
}

void Game::turnLimitReached() {
  platform_.showMessage("500ターンを超えましたので、これ以上は記録されません！", "メッセージ",
                        MessageButtons::Ok);
}

void Game::moveCommitted(const Board& resolved, const Board& committed) {
  drawCommittedCells(painter_, resolved, committed);
  painter_.presentBoard();
}

}  // namespace vantoki
