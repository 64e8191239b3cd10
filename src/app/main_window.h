// Form1, the game's one main window: the board, the column of commands on the right, the play
// panel and the editor panel in the same place, the replay panel that covers the column during
// playback, and the 50 ms timer. Controls carry the names the game has always used as their
// object names ("Command1", "Option1(3)", "Picture4(2)", …). Each handler turns one event into
// one operation of the game model; the model then says what changed, and only that is shown
// again.
#pragma once

#include <array>
#include <memory>

#include <QWidget>

#include "app/game.h"
#include "app/game_view.h"
#include "platform/platform.h"
#include "view/image24.h"
#include "view/picture_strips.h"

class QButtonGroup;
class QKeyEvent;
class QComboBox;
class QFrame;
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
  // Keys that stand for the play panel's buttons, whichever control has the focus.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // Returns whether the key event was taken as a button's command.
  bool takeKey(QKeyEvent* event);
  void releaseDirectionKey();

  void boardPictureChanged() override;
  void turnLabelsChanged() override;
  void stageClearChanged() override;
  void stageChanged() override;
  void editorTilesChanged() override;
  void editModeChanged() override;
  void replayRunningChanged() override;

  void buildWindow();
  void buildStageColumn();
  void buildPlayPanel();
  void buildEditorPanel();
  void buildReplayPanel();
  void startUp();
  void connectHandlers();
  void openStageOperations();

  PictureStrips strips_;
  Image24 miniSpriteStrip_;  // the stage operations dialog's previews are drawn from it
  std::unique_ptr<Platform> ownPlatform_;
  Platform* platform_ = nullptr;
  std::unique_ptr<Game> game_;

  PictureBox* boardPicture_ = nullptr;
  QPushButton* loadStagesButton_ = nullptr;
  QLineEdit* dataSetNameBox_ = nullptr;
  QButtonGroup* stageOptions_ = nullptr;
  QLineEdit* stageNameBox_ = nullptr;

  QGroupBox* playPanel_ = nullptr;
  QLabel* currentTurnLabel_ = nullptr;
  QLabel* lastTurnLabel_ = nullptr;
  std::array<QPushButton*, 4> historyButtons_{};
  QComboBox* speedList_ = nullptr;
  std::array<PictureBox*, 4> directionButtons_{};
  QFrame* stageClearPanel_ = nullptr;
  QPushButton* saveReplayButton_ = nullptr;
  QPushButton* playReplayButton_ = nullptr;

  QGroupBox* editorPanel_ = nullptr;
  PictureBox* palettePicture_ = nullptr;
  PictureBox* leftTileBox_ = nullptr;
  PictureBox* rightTileBox_ = nullptr;
  QPushButton* saveStagesButton_ = nullptr;

  QPushButton* editorButton_ = nullptr;
  QPushButton* stageOperationsButton_ = nullptr;
  QPushButton* aboutButton_ = nullptr;
  QGroupBox* replayPanel_ = nullptr;
  QPushButton* stopReplayButton_ = nullptr;
  QTimer* tickTimer_ = nullptr;
  bool directionKeyHeld_ = false;
};

}  // namespace vantoki
