#include "app/main_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFontMetricsF>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "app/key_commands.h"
#include "app/qt_platform.h"
#include "dialogs/about_box.h"
#include "dialogs/stage_operations_dialog.h"
#include "dialogs/stage_preview.h"
#include "platform/mouse_buttons.h"
#include "view/game_speed.h"
#include "view/qimage_bridge.h"
#include "view/strip_loader.h"
#include "widgets/application_style.h"
#include "widgets/controls.h"
#include "widgets/picture_box.h"

namespace vantoki {
namespace {

const QColor kTurnLabelColor(255, 0, 0);
constexpr int kTickMilliseconds = 50;

// The Gothic fonts of other systems draw Latin letters wider than the one the panel was laid out
// with; rather than cut the caption off, step the size down until it fits.
void shrinkToFit(QLabel* label) {
  QFont font = label->font();
  while (font.pointSizeF() > 8 &&
         QFontMetricsF(font).horizontalAdvance(label->text()) > label->width()) {
    font.setPointSizeF(font.pointSizeF() - 0.25);
  }
  label->setFont(font);
}

}  // namespace

MainWindow::MainWindow(Platform* platform)
    : strips_(loadPictureStrips()),
      miniSpriteStrip_(loadScaledSpriteStrip(kMiniCellPixels)),
      platform_(platform) {
  if (platform_ == nullptr) {
    ownPlatform_ = std::make_unique<QtPlatform>(this);
    platform_ = ownPlatform_.get();
  }
  game_ = std::make_unique<Game>(strips_, *platform_);
  buildWindow();
  game_->setView(this);
  connectHandlers();
  startUp();
  // Key events go to the control with the focus first; the application's filter sees them all.
  qApp->installEventFilter(this);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildWindow() {
  setObjectName("Form1");
  setWindowTitle("Vantoki");
  setWindowIcon(QIcon(QPixmap::fromImage(loadWindowIcon())));
  setFixedSize(833, 613);
  paintWindowBackground(this);

  boardPicture_ = place(new PictureBox(this), "MapPic", 8, 8, kBoardPixels, kBoardPixels);
  buildStageColumn();
  buildPlayPanel();
  buildEditorPanel();
  editorButton_ = button(this, "Command3", "ステージエディット", 616, 492, 209, 25);
  stageOperationsButton_ = button(this, "Command9", "ステージデータ操作", 616, 524, 209, 25);
  stageOperationsButton_->hide();
  aboutButton_ = button(this, "Command7", "バージョン情報", 616, 584, 209, 25);
  buildReplayPanel();

  tickTimer_ = new QTimer(this);
  tickTimer_->setObjectName("Timer1");
  tickTimer_->setTimerType(Qt::PreciseTimer);
}

void MainWindow::buildStageColumn() {
  loadStagesButton_ = button(this, "Command2", "ステージデータ　ロード", 616, 8, 209, 25);
  label(this, "Label4", "データ名", 616, 44, 205, 13);
  dataSetNameBox_ = nameBox(this, "Text2", 616, 56, 209, 22);

  QGroupBox* stageFrame = frame(this, "Frame1", "ステージ選択", 616, 92, 209, 133);
  stageOptions_ = new QButtonGroup(this);
  stageOptions_->setExclusive(true);
  for (int index = 0; index < kStageCount; ++index) {
    QPushButton* option = button(stageFrame, arrayName("Option1", index),
                                 QString("%1").arg(index + 1, 2, 10, QChar('0')),
                                 8 + 40 * (index % 5), index < 5 ? 24 : 52, 33, 25);
    option->setCheckable(true);
    stageOptions_->addButton(option, index);
  }
  label(stageFrame, "Label1", "ステージ名", 8, 88, 61, 13);
  stageNameBox_ = nameBox(stageFrame, "Text1", 8, 100, 193, 22);
}

void MainWindow::buildPlayPanel() {
  playPanel_ = frame(this, "Frame4", "", 616, 240, 209, 237);
  label(playPanel_, "Label2", "ターン数", 64, 20, 81, 13);
  currentTurnLabel_ = label(playPanel_, "Label5", "000", 64, 36, 33, 13);
  label(playPanel_, "Label6", "／", 92, 36, 21, 13)->setAlignment(Qt::AlignHCenter);
  lastTurnLabel_ = label(playPanel_, "Label3", "000", 112, 36, 33, 13);
  for (QLabel* turn : {currentTurnLabel_, lastTurnLabel_}) {
    QPalette colors = turn->palette();
    colors.setColor(QPalette::WindowText, kTurnLabelColor);
    turn->setPalette(colors);
  }
  const std::array<const char*, 4> historyCaptions = {"≪", "＜", "＞", "≫"};
  const std::array<int, 4> historyLefts = {12, 40, 144, 172};
  for (int index = 0; index < 4; ++index) {
    historyButtons_[index] = button(playPanel_, arrayName("Command5", index),
                                    historyCaptions[index], historyLefts[index], 20, 25, 29);
    historyButtons_[index]->setToolTip(historyKeyTip(index));
  }
  label(playPanel_, "Label8", "ゲームスピード", 16, 60, 85, 13);
  speedList_ = place(new QComboBox(playPanel_), "Combo1", 104, 56, 93, 20);
  for (const std::string_view speed : kGameSpeedNames) {
    speedList_->addItem(QString::fromUtf8(speed.data(), static_cast<qsizetype>(speed.size())));
  }
  speedList_->setFocusPolicy(Qt::NoFocus);

  // The cross of direction buttons: left, up, right, down.
  const std::array<QPoint, 4> arrowPlaces = {QPoint(40, 104), QPoint(84, 80), QPoint(128, 104),
                                             QPoint(84, 128)};
  for (int index = 0; index < 4; ++index) {
    directionButtons_[index] = place(new PictureBox(playPanel_), arrayName("Picture4", index),
                                     arrowPlaces[index].x(), arrowPlaces[index].y(), 40, 40);
    directionButtons_[index]->setToolTip(directionKeyTip(index));
  }

  stageClearPanel_ = place(new QFrame(playPanel_), "Frame7", 12, 80, 185, 93);
  stageClearPanel_->setAutoFillBackground(true);
  stageClearPanel_->setFrameShape(QFrame::Box);
  QLabel* clear = label(stageClearPanel_, "Label7", "STAGE CLEAR!!", 4, 12, 177, 73);
  clear->setAlignment(Qt::AlignCenter);
  clear->setFont(gothicFont(27.75, false));
  shrinkToFit(clear);
  stageClearPanel_->hide();

  saveReplayButton_ =
      button(playPanel_, "Command4", "現在のプレイをリプレイ保存する", 12, 176, 185, 25);
  playReplayButton_ =
      button(playPanel_, "Command6", "保存してあるリプレイを再生する", 12, 204, 185, 25);
}

void MainWindow::buildEditorPanel() {
  editorPanel_ = frame(this, "Frame5", "", 616, 240, 209, 237);
  palettePicture_ = place(new PictureBox(editorPanel_), "Picture1", 4, 12, 200, 120);
  QGroupBox* leftTileFrame = frame(editorPanel_, "Frame2", "左クリック", 8, 136, 89, 65);
  leftTileBox_ = place(new PictureBox(leftTileFrame), "Picture2", 24, 16, 40, 40);
  QGroupBox* rightTileFrame = frame(editorPanel_, "Frame3", "右クリック", 112, 136, 89, 65);
  rightTileBox_ = place(new PictureBox(rightTileFrame), "Picture3", 24, 16, 40, 40);
  saveStagesButton_ = button(editorPanel_, "Command1", "ステージデータ　セーブ", 8, 204, 193, 25);
  editorPanel_->hide();
}

void MainWindow::buildReplayPanel() {
  replayPanel_ = frame(this, "Frame6", "リプレイ再生中", 0, 0, 209, 605);
  stopReplayButton_ = button(replayPanel_, "Command8", "リプレイ停止", 28, 36, 145, 537);
  replayPanel_->hide();
}

void MainWindow::connectHandlers() {
  connect(stageOptions_, &QButtonGroup::idClicked, this,
          [this](int index) { game_->selectStage(index); });
  for (int index = 0; index < 4; ++index) {
    connect(directionButtons_[index], &PictureBox::mousePressed, this,
            [this, index](int button, QPointF) {
              // Only the left button moves; any other still arms the held-button repeat.
              if (button == kLeftMouseButton) {
                game_->play().pressDirection(index);
              } else {
                game_->play().holdDirection(index);
              }
            });
    connect(directionButtons_[index], &PictureBox::mouseReleased, this,
            [this](int) { game_->play().releaseDirection(); });
    connect(historyButtons_[index], &QPushButton::clicked, this,
            [this, index] { game_->play().stepThroughHistory(static_cast<HistoryStep>(index)); });
  }
  connect(speedList_, &QComboBox::currentIndexChanged, this,
          [this](int index) { game_->selectSpeed(index); });
  connect(palettePicture_, &PictureBox::mousePressed, this, [this](int button, QPointF position) {
    game_->pickPaletteTile(button, position.x(), position.y());
  });
  connect(tickTimer_, &QTimer::timeout, this, [this] { game_->tick(); });

  connect(editorButton_, &QPushButton::clicked, this, [this] { game_->toggleEditor(); });
  // A press paints as a drag with that one button held does.
  connect(boardPicture_, &PictureBox::mousePressed, this, [this](int button, QPointF position) {
    game_->paintStageCell(button, position.x(), position.y());
  });
  connect(boardPicture_, &PictureBox::mouseMoved, this, [this](int buttons, QPointF position) {
    game_->paintStageCell(buttons, position.x(), position.y());
  });
  connect(stageNameBox_, &QLineEdit::textEdited, this,
          [this](const QString& name) { game_->renameStage(name.toStdString()); });
  connect(dataSetNameBox_, &QLineEdit::textEdited, this,
          [this](const QString& name) { game_->renameDataSet(name.toStdString()); });
  connect(saveStagesButton_, &QPushButton::clicked, this, [this] { game_->saveStageData(); });
  connect(loadStagesButton_, &QPushButton::clicked, this, [this] { game_->loadStageData(); });
  connect(stageOperationsButton_, &QPushButton::clicked, this, [this] { openStageOperations(); });
  connect(saveReplayButton_, &QPushButton::clicked, this, [this] { game_->saveReplay(); });
  connect(playReplayButton_, &QPushButton::clicked, this, [this] { game_->startReplay(); });
  connect(stopReplayButton_, &QPushButton::clicked, this, [this] { game_->stopReplay(); });
  connect(aboutButton_, &QPushButton::clicked, this, [this] { AboutBox(*platform_, this).exec(); });
}

void MainWindow::openStageOperations() {
  StageOperationsDialog dialog(game_->stageSetForOperations(), *platform_, miniSpriteStrip_, this);
  if (dialog.exec() == QDialog::Accepted) {
    game_->selectStage(0);
  }
}

void MainWindow::startUp() {
  game_->startUp();
  for (int index = 0; index < 4; ++index) {
    directionButtons_[index]->setPicture(
        toQImage(strips_.sprites)
            .copy((kFirstArrowPicture + index) * kCellPixels, 0, kCellPixels, kCellPixels));
  }
  tickTimer_->start(kTickMilliseconds);
  {
    const QSignalBlocker blocker(speedList_);
    speedList_->setCurrentIndex(kStandardSpeedIndex);
  }
  replayPanel_->move(616, 4);
  palettePicture_->setPicture(toQImage(game_->palettePicture()));
  if (const QScreen* screen = this->screen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget != nullptr && widget->window() == this) {
      return takeKey(static_cast<QKeyEvent*>(event));
    }
  }
  return QWidget::eventFilter(watched, event);
}

bool MainWindow::takeKey(QKeyEvent* event) {
  const std::optional<KeyCommand> command = keyCommandFor(event->key(), event->modifiers());
  if (!command) {
    return false;
  }
  const bool press = event->type() == QEvent::KeyPress;
  if (command->kind == KeyCommand::Kind::Hint) {
    // Out of reach, the letter goes on to the control with the focus: an editor's name box.
    if (!game_->hintReachable()) {
      return false;
    }
    if (press && !event->isAutoRepeat()) {
      game_->requestHint();
    }
    return true;
  }
  if (command->kind == KeyCommand::Kind::Direction) {
    if (!press) {
      if (!directionKeyHeld_ || event->isAutoRepeat()) {
        return directionKeyHeld_;
      }
      releaseDirectionKey();
      return true;
    }
    if (!game_->directionButtonsReachable()) {
      return false;
    }
    // Holding the key repeats as holding the button does, at the pace of the tick.
    if (!event->isAutoRepeat()) {
      directionKeyHeld_ = true;
      game_->setDirectionKeyHeld(true);
      game_->play().pressDirection(command->button);
    }
    return true;
  }
  if (!game_->historyButtonsReachable()) {
    return false;
  }
  if (press) {
    game_->play().stepThroughHistory(static_cast<HistoryStep>(command->button));
  }
  return true;
}

void MainWindow::releaseDirectionKey() {
  directionKeyHeld_ = false;
  game_->setDirectionKeyHeld(false);
  game_->play().releaseDirection();
}

void MainWindow::changeEvent(QEvent* event) {
  // A key released while another window has the keyboard never reaches this one.
  if (event->type() == QEvent::ActivationChange && !isActiveWindow() && directionKeyHeld_) {
    releaseDirectionKey();
  }
  QWidget::changeEvent(event);
}

void MainWindow::boardPictureChanged() {
  boardPicture_->setPicture(toQImage(game_->boardImage()));
}

void MainWindow::turnLabelsChanged() {
  currentTurnLabel_->setText(QString::fromStdString(game_->currentTurnLabel()));
  lastTurnLabel_->setText(QString::fromStdString(game_->lastTurnLabel()));
}

void MainWindow::stageClearChanged() {
  stageClearPanel_->setVisible(game_->stageClearShown());
}

void MainWindow::stageChanged() {
  if (QAbstractButton* selected = stageOptions_->button(game_->currentStage());
      !selected->isChecked()) {
    selected->setChecked(true);
  }
  const StageSet& stageSet = game_->stageSet();
  stageNameBox_->setText(QString::fromStdString(stageSet.stageNames[game_->currentStage()]));
  dataSetNameBox_->setText(QString::fromStdString(stageSet.dataSetName));
}

void MainWindow::editModeChanged() {
  const bool editing = game_->editMode();
  editorButton_->setText(editing ? "ゲームプレイ" : "ステージエディット");
  editorPanel_->setVisible(editing);
  playPanel_->setVisible(!editing);
  setNameBoxLocked(stageNameBox_, !editing);
  setNameBoxLocked(dataSetNameBox_, !editing);
  stageOperationsButton_->setVisible(editing);
}

void MainWindow::replayRunningChanged() {
  replayPanel_->setVisible(game_->replayRunning());
}

void MainWindow::editorTilesChanged() {
  leftTileBox_->setPicture(toQImage(game_->leftTilePicture()));
  rightTileBox_->setPicture(toQImage(game_->rightTilePicture()));
}

}  // namespace vantoki
