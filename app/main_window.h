// Form1, the game's one main window: the board, the column of commands on the right, the play
// panel and the editor panel in the same place, the replay panel that covers the column during
// playback, and the 50 ms timer. Controls carry the names the game has always used as their
// object names ("Command1", "Option1(3)", "Picture4(2)", …). Each handler calls one operation of
// the game model and then shows the model again.
#pragma once

#include <array>
#include <memory>

#include <QWidget>

#include "app/game.h"
#include "app/platform.h"
#include "view/picture_strips.h"

class QButtonGroup;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace vantoki {

class PictureBox;

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  // Without a platform the window uses the desktop's own dialogs and mouse state.
  explicit MainWindow(Platform* platform = nullptr);
  ~MainWindow() override;

  Game& game() { return *game_; }

  // Shows the model: labels, panels, names, pictures.
  void refresh();

 private:
  void buildWindow();
  void buildStageColumn();
  void buildPlayPanel();
  void buildEditorPanel();
  void buildReplayPanel();
  void startUp();
  void connectHandlers();

  PictureStrips strips_;
  std::unique_ptr<Platform> ownPlatform_;
  std::unique_ptr<Game> game_;

  PictureBox* mapPic_ = nullptr;
  QLineEdit* text1_ = nullptr;
  QLineEdit* text2_ = nullptr;
  QButtonGroup* option1_ = nullptr;
  QGroupBox* frame4_ = nullptr;
  QGroupBox* frame5_ = nullptr;
  QGroupBox* frame6_ = nullptr;
  QFrame* frame7_ = nullptr;
  QLabel* label5_ = nullptr;
  QLabel* label3_ = nullptr;
  std::array<QPushButton*, 4> command5_{};
  QComboBox* combo1_ = nullptr;
  std::array<PictureBox*, 4> picture4_{};
  PictureBox* picture1_ = nullptr;
  PictureBox* picture2_ = nullptr;
  PictureBox* picture3_ = nullptr;
  QPushButton* command3_ = nullptr;
  QPushButton* command9_ = nullptr;
  QTimer* timer1_ = nullptr;
  int shownBoardPresent_ = -1;
};

}  // namespace vantoki
