// The game model both shells drive, and their one entry into the game: every press, hold,
// release, step, selection, paint, stage operation and command goes through here. It owns the
// stage set and is its one writer, the play of the current stage, the editor, the modes, and the
// main window's screen: what every control shows, published as changes from start-up on
// (screen/screen.h), so a shell only applies them. It decides once, for the mouse and the keys
// alike, which controls the player can reach, and ignores what is out of reach. It listens to the
// play and shows what changed. Nothing here depends on Qt, so a test drives the whole game with a
// scripted platform.
#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "commands/replay_playback_command.h"
#include "core/history_step.h"
#include "core/stage_set.h"
#include "editor/stage_editor.h"
#include "game/hint_search.h"
#include "platform/platform.h"
#include "play/play.h"
#include "screen/screen.h"
#include "view/board_painter.h"
#include "view/image24.h"
#include "view/picture_strips.h"

namespace vantoki {

// The turn counters as the labels show them: three digits with leading zeros.
std::string formatTurn(int turn);

// The timer ticks this often, from start-up to the end, under dialogs too.
constexpr int kTickMilliseconds = 50;

class Game : private PlayListener, private ReplayPlaybackHost {
 public:
  Game(const PictureStrips& strips, Platform& platform);

  // Hears every change of the main window's controls from now on; set before startUp, which
  // publishes what the window shows beyond its layout table.
  void setScreenListener(ChangeListener listener) { screen_.setListener(std::move(listener)); }
  const Screen& screen() const { return screen_; }
  // What the player's own doing already shows: a name box typed into, a speed chosen.
  void heard(const ControlChange& change) { screen_.heard(change); }

  // The window's start-up: the initial stage set, the arrows, speed "標準", stage 1, the palette
  // and the two editor tiles.
  void startUp();
  // One tick of the 50 ms timer.
  void tick();

  // Starts a fresh play of a stage. A move still being animated is dropped with the old play.
  void selectStage(int stage);
  // Takes a whole new stage set, as a stage data load does, and starts its first stage afresh.
  void installStageSet(StageSet stageSet);

  // Whether the stage set differs from the one last loaded or saved (the initial set at start):
  // a painted cell, a name, a stage operation.
  bool hasUnsavedEdits() const { return stageSet_ != keptStageSet_; }
  // Before the stage set is replaced or the window closes. Without unsaved edits there is nothing
  // to settle; with them the player is asked whether to save them: はい saves through the usual
  // save, いいえ discards them, キャンセル keeps everything as it is. Returns whether to go on: the
  // edits were saved or discarded; false when the player cancelled or the save did not go through
  // (a cancelled dialog, a failure already reported).
  bool settleUnsavedEdits();

  // The direction buttons. A press with the left mouse button moves, unless a move is under way,
  // and repeats while the button stays down; a press with another button only arms the repeat.
  // An arrow key stands for the left button, held until the key is released. Each returns false,
  // doing nothing, when the direction buttons are out of reach.
  bool pressDirection(int direction);
  bool holdDirection(int direction);
  void releaseDirection();
  bool pressDirectionKey(int direction);
  // Returns false when no direction key was held.
  bool releaseDirectionKey();
  bool directionKeyHeld() const { return directionKeyHeld_; }
  // The history buttons; false, doing nothing, when they are out of reach.
  bool stepThroughHistory(HistoryStep step);
  // Looks for a hint on the board shown, off the user-interface thread, and shows it in a
  // message when it comes, unless the board shown has changed by then: a move, a step through
  // the history, another stage, the editor, a load or a playback drops it. An answer that comes
  // while a dialog is open waits for it to close, so it never covers what the player is typing
  // into. While one is being looked for, another request is ignored. False, doing nothing, when
  // a hint is out of reach.
  bool requestHint();
  // A speed chosen while a move is animated takes effect when that move ends, committed or
  // dropped: the move keeps the step it started with, since its commit counts the frames of it.
  void selectSpeed(int speedIndex);

  // Whether a control of the main window can be reached now: it and the frames it stands in show,
  // and no panel lies over any of them.
  bool reachable(std::string_view control) const { return screen_.reachable(control); }
  // The direction buttons lie in the play panel under the stage-clear panel and the replay panel;
  // the history buttons refuse while a move is animated; a hint is for a board the player can
  // move from, between moves.
  bool directionsReachable() const;
  bool historyReachable() const;
  bool hintReachable() const;

  // Switches between play and editor mode and restarts the current stage as it now stands. A
  // move still being animated is dropped with the old play, as a stage selection drops it.
  void toggleEditor();
  void pickPaletteTile(int mouseButton, double x, double y);
  // A press or drag on the board in editor mode: `buttons` held, position in board pixels.
  void paintStageCell(int buttons, double x, double y);
  // The whole texts of the two name boxes, as the user edits them.
  void renameStage(const std::string& name);
  void renameDataSet(const std::string& name);

  // Returns whether the stage set was written.
  bool saveStageData();
  // Asks first about unsaved edits (settleUnsavedEdits), and loads nothing unless they are settled.
  void loadStageData();
  // A stage data file named on the command line: loaded as the load button loads one, without
  // the completion message.
  void loadStageDataFrom(const std::filesystem::path& path);
  void saveReplay();
  // Plays a saved replay on the current stage; the stop panel shows while replayRunning().
  void startReplay();
  // A replay file named on the command line: played back as startReplay plays one, on the stage
  // it was recorded on, taken from the first stage data file that holds it, looked for in the
  // replay's own folder, then in the folders the load dialog offers. A replay that cannot be
  // read, or whose stage is found nowhere, is reported, and the stage set stays as it was.
  void playReplayFrom(const std::filesystem::path& path);
  void stopReplay() { replayPlayback_.requestStop(); }
  bool replayRunning() const { return replayPlayback_.running(); }
  // The stage operations dialog; the operation confirmed there is applied to the stage set, and
  // the first stage is selected afresh.
  void operateOnStages();
  void showAbout() { platform_.showAboutBox(); }

  const Play& play() const { return *play_; }
  const StageSet& stageSet() const { return stageSet_; }
  int currentStage() const { return currentStage_; }
  bool editMode() const { return editor_.editMode(); }
  int animStep() const { return animStep_; }
  int leftTile() const { return editor_.leftTile(); }
  int rightTile() const { return editor_.rightTile(); }

  const std::string& currentTurnLabel() const;
  const std::string& lastTurnLabel() const;
  bool stageClearShown() const;
  const Image24& boardImage() const { return boardImage_; }
  // Changes whenever a batch of drawing on the board is complete.
  int boardPresentCount() const { return painter_.presentCount(); }
  const Image24& palettePicture() const { return editor_.palettePicture(); }
  const Image24& leftTilePicture() const { return editor_.leftTilePicture(); }
  const Image24& rightTilePicture() const { return editor_.rightTilePicture(); }

 private:
  void turnLabelsChanged(int currentTurn, int lastTurn) override;
  void shownTurnChanged(const Board& shown) override;
  void stageClearChanged(bool cleared) override;
  void moveFrameDue(const MoveFrame& frame) override;
  void turnLimitReached() override;
  void moveCommitted(const Board& resolved, const Board& committed) override;
  void drawStage(const Board& stage) override;
  void replayRunningChanged() override;

  // The stage options, the stage's name and the data set's name.
  void showStage();
  void showEditMode();
  void showHint(const Hint& hint);
  void dropHint();
  // Takes up the speed chosen during a move, once no move is in progress.
  void takeUpChosenSpeed();

  Platform& platform_;
  Screen screen_;
  std::array<Image24, 4> arrowPictures_;

  StageSet stageSet_;
  StageSet keptStageSet_;  // as last loaded or saved
  std::unique_ptr<Play> play_ = std::make_unique<Play>();
  int currentStage_ = 0;
  int animStep_ = 0;
  std::optional<int> chosenAnimStep_;  // chosen during the move in progress
  bool directionKeyHeld_ = false;
  StageEditor editor_;

  Image24 boardImage_;
  BoardPainter painter_;
  ReplayPlaybackCommand replayPlayback_;
  std::optional<Hint> waitingHint_;  // came while a dialog was open
  HintSearch hintSearch_;            // last: its thread is joined before the rest of the game goes
};

}  // namespace vantoki
