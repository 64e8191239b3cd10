#include "app/game.h"

#include <cstdio>

#include "io/stage_data_commands.h"
#include "platform/mouse_buttons.h"
#include "replay/replay_saving.h"
#include "view/game_speed.h"
#include "view/move_drawing.h"

namespace vantoki {

std::string formatTurn(int turn) {
  char text[16];
  std::snprintf(text, sizeof text, "%03d", turn);
  return text;
}

Game::Game(const PictureStrips& strips, Platform& platform)
    : platform_(platform),
      editor_(strips),
      boardImage_(kBoardPixels, kBoardPixels),
      painter_(strips, boardImage_, [this] { tellView(&GameView::boardPictureChanged); }),
      replayPlayer_(platform, *play_, *this) {
  play_->addListener(*this);
}

void Game::startUp() {
  stageSet_ = initialStageSet();
  animStep_ = kStandardAnimStep;
  selectSpeed(kStandardSpeedIndex);
  selectStage(0);
  pickPaletteTile(kLeftMouseButton, 0, kCellPixels);
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
  play_->tick(kCellPixels / animStep_, editor_.editMode(),
              [this] { return directionKeyHeld_ || platform_.leftMouseButtonDown(); });
}

bool Game::directionButtonsReachable() const {
  return !editor_.editMode() && !replayRunning() && !stageClearShown_;
}

bool Game::historyButtonsReachable() const {
  return !editor_.editMode() && !replayRunning() && !play_->moveInProgress();
}

void Game::selectSpeed(int speedIndex) {
  selectGameSpeed(animStep_, speedIndex, play_->moveInProgress());
}

void Game::toggleEditor() {
  editor_.toggle();
  tellView(&GameView::editModeChanged);
  selectStage(currentStage_);
}

void Game::pickPaletteTile(int mouseButton, double x, double y) {
  if (editor_.pickPaletteTile(mouseButton, x, y)) {
    tellView(&GameView::editorTilesChanged);
  }
}

void Game::paintStageCell(int buttons, double x, double y) {
  editor_.paintStageCell(stageSet_.stageCells[currentStage_], painter_, buttons, x, y);
}

void Game::renameStage(const std::string& name) {
  stageSet_.stageNames[currentStage_] = name;
}

void Game::renameDataSet(const std::string& name) {
  stageSet_.dataSetName = name;
}

void Game::saveStageData() {
  vantoki::saveStageData(platform_, stageSet_);
}

void Game::loadStageData() {
  vantoki::loadStageData(platform_,
                         [this](StageSet loaded) { installStageSet(std::move(loaded)); });
}

void Game::loadStageDataFrom(const std::filesystem::path& path) {
  vantoki::loadStageDataFrom(platform_, path,
                             [this](StageSet loaded) { installStageSet(std::move(loaded)); });
}

void Game::saveReplay() {
  vantoki::saveReplay(platform_, stageSet_.dataSetName, stageSet_.stageNames[currentStage_],
                      *play_);
}

void Game::startReplay() {
  replayPlayer_.start(stageSet_.dataSetName, stageSet_.stageNames[currentStage_],
                      stageSet_.stageCells[currentStage_]);
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

void Game::drawStage(const Board& stage) {
  painter_.drawStage(stage);
}

void Game::replayRunningChanged() {
  tellView(&GameView::replayRunningChanged);
}

}  // namespace vantoki
