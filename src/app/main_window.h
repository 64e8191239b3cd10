// The game's one main window, object "Form1": the board, the column of commands on the right, the
// play panel and the editor panel in the same place, the replay panel that covers the column
// during playback, and the 50 ms timer. It is built from the layout table and the command table
// (layout/), so every control carries its object name there ("Command1", "Option1(3)",
// "Picture4(2)", …). Each handler turns one event into one operation of the game model, which
// decides what is in reach; the model then says what changed, and only that is shown again. Tab
// visits the column from top to bottom in the order its controls are built, and the keys of the
// command table keep their meaning whatever has the focus.
#pragma once

#include <array>
#include <memory>

#include <QWidget>

#include "core/stage_set.h"
#include "game/game.h"
#include "game/game_view.h"
#include "platform/platform.h"
#include "view/picture_strips.h"

class QCloseEvent;
class QKeyEvent;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace vantoki {

class PictureBox;

class MainWindow : public QWidget, private GameView {
  Q_OBJECT

 public:
  // Without a platform the window uses the desktop's own dialogs and mouse state.
  explicit MainWindow(Platform* platform = nullptr);
  ~MainWindow() override;

  Game& game() { return *game_; }

 protected:
  // Keys that stand for the play panel's buttons, whichever control has the focus; the keys that
  // move the focus and press a button are left to the controls.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;
  // The close button, Alt+F4 or the window manager: unsaved edits are settled first, and a
  // cancelled question keeps the window open.
  void closeEvent(QCloseEvent* event) override;

 private:
  void boardPictureChanged() override;
  void turnLabelsChanged() override;
  void stageClearChanged() override;
  void stageChanged() override;
  void editorTilesChanged() override;
  void editModeChanged() override;
  void replayRunningChanged() override;

  void buildWindow();
  // Each control's events go to the game by its object name; a command's control names its keys
  // in its tooltip.
  void connectHandlers();
  void startUp();

  PictureStrips strips_;
  std::unique_ptr<Platform> ownPlatform_;
  std::unique_ptr<Game> game_;

  PictureBox* boardPicture_ = nullptr;
  QLineEdit* dataSetNameBox_ = nullptr;
  std::array<QPushButton*, kStageCount> stageOptions_{};
  QLineEdit* stageNameBox_ = nullptr;

  QLabel* currentTurnLabel_ = nullptr;
  QLabel* lastTurnLabel_ = nullptr;
  QComboBox* speedList_ = nullptr;
  std::array<PictureBox*, 4> directionButtons_{};
  QGroupBox* stageClearPanel_ = nullptr;

  PictureBox* palettePicture_ = nullptr;
  PictureBox* leftTileBox_ = nullptr;
  PictureBox* rightTileBox_ = nullptr;

  QPushButton* playReplayButton_ = nullptr;
  QGroupBox* replayPanel_ = nullptr;
  QPushButton* stopButton_ = nullptr;
  QTimer* tickTimer_ = nullptr;
};

}  // namespace vantoki
