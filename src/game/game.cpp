#include "game/game.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <system_error>
#include <vector>

#include "commands/dialog_folders.h"
#include "commands/file_commands.h"
#include "commands/replay_save_command.h"
#include "commands/stage_data_commands.h"
#include "game/hint_message.h"
#include "game/main_window_controls.h"
#include "io/replay_file.h"
#include "layout/layout_table.h"
#include "platform/messages.h"
#include "platform/mouse_buttons.h"
#include "replay/stage_of_replay.h"
#include "solver/memory_budget.h"
#include "solver/search_limits.h"
#include "view/game_speed.h"
#include "view/move_drawing.h"

namespace vantoki {
namespace {

// A player asking for a hint waits a few seconds at most. Two million boards is about what a
// search works through in that time, and with the memory limit the board set stays under half a
// gibibyte, given back as soon as the answer is in; less when the process's memory budget is
// smaller (a game started under a memory limit), so the search ends at its limit, not in a
// refusal of memory.
constexpr HintBudget kHintBudget{2'000'000, std::chrono::seconds(3), std::size_t{512} << 20};

constexpr std::string_view kEditorButtonCaptionInEditor = "ゲームプレイ";

// The speed list's items, one a line.
std::string speedListItems() {
  std::string items;
  for (const std::string_view speed : kGameSpeedNames) {
    items.append(speed).append("\n");
  }
  return items;
}

}  // namespace

using namespace controls;

std::string formatTurn(int turn) {
  char text[16];
  std::snprintf(text, sizeof text, "%03d", turn);
  return text;
}

Game::Game(const PictureStrips& strips, Platform& platform)
    : platform_(platform),
      screen_(mainWindowLayout()),
      editor_(strips),
      boardImage_(kBoardPixels, kBoardPixels),
      painter_(strips, boardImage_, [this] { screen_.picture(kBoard, boardImage_); }),
      replayPlayback_(platform, *play_, *this),
      hintSearch_(platform) {
  for (int direction = 0; direction < 4; ++direction) {
    arrowPictures_[direction] = Image24(kCellPixels, kCellPixels);
    transferBlock(arrowPictures_[direction], 0, 0, strips.sprites,
                  {(kFirstArrowPicture + direction) * kCellPixels, 0, kCellPixels, kCellPixels},
                  RasterOp::Copy);
  }
  play_->addListener(*this);
}

void Game::startUp() {
  stageSet_ = initialStageSet();
  keptStageSet_ = stageSet_;
  for (int direction = 0; direction < 4; ++direction) {
    screen_.picture(arrayName(kDirectionButtons, direction), arrowPictures_[direction]);
  }
  animStep_ = kStandardAnimStep;
  screen_.caption(kSpeedList, speedListItems());
  screen_.select(kSpeedList, kStandardSpeedIndex);
  selectSpeed(kStandardSpeedIndex);
  showEditMode();
  selectStage(0);
  screen_.picture(kPalette, editor_.palettePicture());
  pickPaletteTile(kLeftMouseButton, 0, kCellPixels);
  pickPaletteTile(kRightMouseButton, 0, 0);
}

void Game::selectStage(int stage) {
  currentStage_ = stage;
  painter_.drawStage(stageSet_.stageCells[stage]);
  showStage();
  play_->selectStage(stageSet_.stageCells[stage]);
}

void Game::showStage() {
  for (int stage = 0; stage < kStageCount; ++stage) {
    screen_.check(arrayName(kStageOptions, stage), stage == currentStage_);
  }
  screen_.caption(kStageNameBox, stageSet_.stageNames[currentStage_]);
  screen_.caption(kDataSetNameBox, stageSet_.dataSetName);
}

const std::string& Game::currentTurnLabel() const {
  return screen_.caption(kCurrentTurn);
}

const std::string& Game::lastTurnLabel() const {
  return screen_.caption(kLastTurn);
}

bool Game::stageClearShown() const {
  return screen_.shown(kStageClearPanel);
}

void Game::installStageSet(StageSet stageSet) {
  stageSet_ = std::move(stageSet);
  keptStageSet_ = stageSet_;
  selectStage(0);
}

bool Game::settleUnsavedEdits() {
  if (!hasUnsavedEdits()) {
    return true;
  }
  switch (askYesNoCancel(platform_, "ステージデータが変更されています。保存しますか？")) {
    case MessageAnswer::Yes:
      return saveStageData();
    case MessageAnswer::No:
      return true;
    default:
      return false;
  }
}

void Game::tick() {
  takeUpChosenSpeed();
  if (waitingHint_ && !platform_.modalDialogOpen()) {
    const Hint hint = *waitingHint_;
    waitingHint_.reset();
    showHint(hint);
  }
  play_->tick(kCellPixels / animStep_, editor_.editMode(),
              [this] { return directionKeyHeld_ || platform_.leftMouseButtonDown(); });
}

bool Game::pressDirection(int direction) {
  if (!directionsReachable()) {
    return false;
  }
  takeUpChosenSpeed();
  play_->pressDirection(direction);
  return true;
}

bool Game::holdDirection(int direction) {
  if (!directionsReachable()) {
    return false;
  }
  play_->holdDirection(direction);
  return true;
}

void Game::releaseDirection() {
  play_->releaseDirection();
}

bool Game::pressDirectionKey(int direction) {
  if (!pressDirection(direction)) {
    return false;
  }
  directionKeyHeld_ = true;
  return true;
}

bool Game::releaseDirectionKey() {
  if (!directionKeyHeld_) {
    return false;
  }
  directionKeyHeld_ = false;
  play_->releaseDirection();
  return true;
}

bool Game::stepThroughHistory(HistoryStep step) {
  if (!historyReachable()) {
    return false;
  }
  play_->stepThroughHistory(step);
  return true;
}

bool Game::directionsReachable() const {
  // The four stand side by side, under the same panels.
  return reachable(arrayName(kDirectionButtons, 0));
}

bool Game::historyReachable() const {
  return reachable(arrayName(kHistoryButtons, 0)) && !play_->moveInProgress();
}

bool Game::hintReachable() const {
  return directionsReachable() && !play_->moveInProgress();
}

bool Game::requestHint() {
  if (!hintReachable()) {
    return false;
  }
  std::vector<Board> boards;
  for (int turn = 0; turn <= play_->currentTurn(); ++turn) {
    boards.push_back(play_->snapshot(turn));
  }
  HintBudget budget = kHintBudget;
  budget.maxMemoryBytes = std::min(budget.maxMemoryBytes, memoryBudgetBytes());
  budget.threads = searchThreads();
  hintSearch_.start(std::move(boards), budget, [this](const Hint& hint) { showHint(hint); });
  return true;
}

void Game::showHint(const Hint& hint) {
  if (platform_.modalDialogOpen()) {
    waitingHint_ = hint;
    return;
  }
  // A move pressed since the request has not committed yet, so nothing dropped the answer.
  if (hintReachable()) {
    tellDone(platform_, hintMessage(hint));
  }
}

void Game::dropHint() {
  hintSearch_.drop();
  waitingHint_.reset();
}

void Game::selectSpeed(int speedIndex) {
  chosenAnimStep_ = animStepForSpeed(speedIndex);
  takeUpChosenSpeed();
}

void Game::takeUpChosenSpeed() {
  if (chosenAnimStep_ && !play_->moveInProgress()) {
    animStep_ = *chosenAnimStep_;
    chosenAnimStep_.reset();
  }
}

void Game::toggleEditor() {
  editor_.toggle();
  showEditMode();
  selectStage(currentStage_);
}

// Editor mode shows the editor's panel in the play panel's place and the stage operations button,
// unlocks the name boxes, and turns the editor button into the way back to play.
void Game::showEditMode() {
  const bool editing = editor_.editMode();
  screen_.caption(kEditorButton,
                  std::string(editing ? kEditorButtonCaptionInEditor
                                      : placeOf(mainWindowLayout(), kEditorButton).caption));
  screen_.show(kEditorPanel, editing);
  screen_.show(kPlayPanel, !editing);
  screen_.lock(kStageNameBox, !editing);
  screen_.lock(kDataSetNameBox, !editing);
  screen_.show(kStageOperationsButton, editing);
}

void Game::pickPaletteTile(int mouseButton, double x, double y) {
  if (editor_.pickPaletteTile(mouseButton, x, y)) {
    screen_.picture(kLeftTile, editor_.leftTilePicture());
    screen_.picture(kRightTile, editor_.rightTilePicture());
  }
}

void Game::paintStageCell(int buttons, double x, double y) {
  const std::optional<PaintedCell> cell = editor_.paintAt(buttons, x, y);
  if (!cell) {
    return;
  }
  stageSet_.stageCells[currentStage_].set(cell->x, cell->y, cell->stored);
  painter_.drawPieceOnFloor(cell->x, cell->y, cell->paletteCode);
  painter_.presentBoard();
}

void Game::renameStage(const std::string& name) {
  stageSet_.stageNames[currentStage_] = name;
}

void Game::renameDataSet(const std::string& name) {
  stageSet_.dataSetName = name;
}

bool Game::saveStageData() {
  if (!vantoki::saveStageData(platform_, stageSet_)) {
    return false;
  }
  keptStageSet_ = stageSet_;
  return true;
}

void Game::loadStageData() {
  if (!settleUnsavedEdits()) {
    return;
  }
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

void Game::operateOnStages() {
  if (const std::optional<StageOperationChoice> choice =
          platform_.chooseStageOperation(stageSet_)) {
    applyStageOperation(stageSet_, *choice);
    selectStage(0);
  }
}

void Game::startReplay() {
  replayPlayback_.start(stageSet_.dataSetName, stageSet_.stageNames[currentStage_],
                        stageSet_.stageCells[currentStage_]);
}

void Game::playReplayFrom(const std::filesystem::path& path) {
  const Result<ReplayRecords> replay = readReplayFile(path);
  if (!replay.ok()) {
    reportLoadFailure(platform_, path, replay.error());
    return;
  }
  // A bare file name is in the working folder, which its empty parent would not name.
  std::error_code noWorkingFolder;
  std::vector<std::filesystem::path> folders{
      std::filesystem::absolute(path, noWorkingFolder).parent_path()};
  for (const FolderPlace& place : loadDialogFolders(platform_, kStageDataFolderName).places) {
    folders.push_back(place.folder);
  }
  std::optional<StageOfReplay> found = findStageOfReplay(replay.value(), folders);
  if (!found) {
    reportError(platform_, "リプレイデータのステージ「" + replay.value().stageName + "」（" +
                               replay.value().dataSetName +
                               "）が入ったステージデータが見つかりませんでした。\r\n"
                               "リプレイデータと同じフォルダーにステージデータを置いてください。");
    return;
  }
  installStageSet(std::move(found->stageSet));
  selectStage(found->stage);
  replayPlayback_.startFrom(
      path, stageSet_.dataSetName, stageSet_.stageNames[currentStage_],
      stageSet_.stageCells[currentStage_],
      found->chosenAmongSeveral ? std::optional(found->stageFile) : std::nullopt);
}

void Game::turnLabelsChanged(int currentTurn, int lastTurn) {
  // A commit, a stage selection and a step through the history all come this way: the board a
  // hint was looked for on is no longer shown.
  dropHint();
  screen_.caption(kCurrentTurn, formatTurn(currentTurn));
  screen_.caption(kLastTurn, formatTurn(lastTurn));
}

void Game::shownTurnChanged(const Board& shown) {
  painter_.redrawBoard(shown);
}

void Game::stageClearChanged(bool cleared) {
  screen_.show(kStageClearPanel, cleared);
}

void Game::moveFrameDue(const MoveFrame& frame) {
  drawMoveFrame(painter_, frame.before, frame.after, frame.motion, animStep_, frame.frame);
  if (!frame.arrives) {
    painter_.presentBoard();
  }
}

void Game::turnLimitReached() {
  tellDone(platform_, "500ターンを超えましたので、これ以上は記録されません！");
}

void Game::moveCommitted(const Board& resolved, const Board& committed) {
  drawCommittedCells(painter_, resolved, committed);
  painter_.presentBoard();
  // Before playback hears of the commit and issues its next move.
  takeUpChosenSpeed();
}

void Game::drawStage(const Board& stage) {
  painter_.drawStage(stage);
}

void Game::replayRunningChanged() {
  // Playback starts the play anew from the stage without a word to the labels.
  dropHint();
  // What the panel covers is as far out of the keyboard's reach as it is out of the mouse's; the
  // focus goes to the stop button, and back to the button that starts a playback.
  screen_.show(kReplayPanel, replayRunning());
  screen_.focus(replayRunning() ? kStopButton : kPlayReplayButton);
}

}  // namespace vantoki
