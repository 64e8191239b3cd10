#include "app/main_window.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "app/key_commands.h"
#include "app/qt_platform.h"
#include "core/history_step.h"
#include "game/command_keys.h"
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

MainWindow::MainWindow(Platform* platform) : strips_(loadPictureStrips()) {
  if (platform == nullptr) {
    ownPlatform_ = std::make_unique<QtPlatform>(this);
    platform = ownPlatform_.get();
  }
  game_ = std::make_unique<Game>(strips_, *platform);
  buildWindow();
  game_->setView(this);
  connectHandlers();
  startUp();
  // Key events go to the control with the focus first; the application's filter sees them all.
  qApp->installEventFilter(this);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildWindow() {
  LayoutBuilder layout(this, mainWindowLayout());
  setWindowTitle("Vantoki");
  setWindowIcon(QIcon(QPixmap::fromImage(loadWindowIcon())));

  boardPicture_ = layout.add<PictureBox>("MapPic");
  buildStageColumn(layout);
  buildPlayPanel(layout);
  buildEditorPanel(layout);
  editorButton_ = commandButton(layout, "Command3");
  stageOperationsButton_ = commandButton(layout, "Command9");
  stageOperationsButton_->hide();
  commandButton(layout, "Command7");
  replayPanel_ = layout.frame("Frame6", "リプレイ再生中");
  stopButton_ = commandButton(layout, "Command8");
  replayPanel_->hide();

  tickTimer_ = new QTimer(this);
  tickTimer_->setObjectName("Timer1");
  tickTimer_->setTimerType(Qt::PreciseTimer);
}

void MainWindow::buildStageColumn(LayoutBuilder& layout) {
  commandButton(layout, "Command2");
  layout.label("Label4", "データ名");
  dataSetNameBox_ = layout.nameBox("Text2");

  layout.frame("Frame1", "ステージ選択");
  // No button group: a group makes its options one stop of Tab, to be chosen among with the arrow
  // keys, which move the robot here. The window checks the current stage's option itself.
  for (int index = 0; index < kStageCount; ++index) {
    stageOptions_[index] =
        layout.button(arrayName("Option1", index), QString("%1").arg(index + 1, 2, 10, QChar('0')));
    stageOptions_[index]->setCheckable(true);
  }
  layout.label("Label1", "ステージ名");
  stageNameBox_ = layout.nameBox("Text1");
}

void MainWindow::buildPlayPanel(LayoutBuilder& layout) {
  playPanel_ = layout.frame("Frame4", "");
  layout.label("Label2", "ターン数");
  currentTurnLabel_ = layout.label("Label5", "000");
  layout.label("Label6", "／")->setAlignment(Qt::AlignHCenter);
  lastTurnLabel_ = layout.label("Label3", "000");
  for (QLabel* turn : {currentTurnLabel_, lastTurnLabel_}) {
    QPalette colors = turn->palette();
    colors.setColor(QPalette::WindowText, kTurnLabelColor);
    turn->setPalette(colors);
  }
  for (int index = 0; index < 4; ++index) {
    commandButton(layout, arrayName("Command5", index));
  }
  layout.label("Label8", "ゲームスピード");
  speedList_ = layout.add<QComboBox>("Combo1");
  for (const std::string_view speed : kGameSpeedNames) {
    speedList_->addItem(fromView(speed));
  }

  for (int index = 0; index < 4; ++index) {
    const std::string name = arrayName("Picture4", index);
    directionButtons_[index] = layout.add<PictureBox>(name);
    directionButtons_[index]->setToolTip(fromView(keyTooltip(commandNamed(name))));
  }

  stageClearPanel_ = layout.frame("Frame7", "");
  QLabel* clear = layout.label("Label7", "STAGE CLEAR!!");
  clear->setAlignment(Qt::AlignCenter);
  clear->setFont(gothicFont(27.75, false));
  shrinkToFit(clear);
  stageClearPanel_->hide();

  commandButton(layout, "Command4");
  playReplayButton_ = commandButton(layout, "Command6");
}

void MainWindow::buildEditorPanel(LayoutBuilder& layout) {
  editorPanel_ = layout.frame("Frame5", "");
  palettePicture_ = layout.add<PictureBox>("Picture1");
  layout.frame("Frame2", "左クリック");
  leftTileBox_ = layout.add<PictureBox>("Picture2");
  layout.frame("Frame3", "右クリック");
  rightTileBox_ = layout.add<PictureBox>("Picture3");
  commandButton(layout, "Command1");
  editorPanel_->hide();
}

QPushButton* MainWindow::commandButton(LayoutBuilder& layout, std::string_view name) {
  const Command& command = commandNamed(name);
  QPushButton* button = layout.button(name, fromView(command.caption));
  button->setToolTip(fromView(keyTooltip(command)));
  connect(button, &QPushButton::clicked, this, [this, &command] { run(command); });
  return button;
}

void MainWindow::run(const Command& command) {
  switch (command.action) {
    case CommandAction::SaveStageData:
      game_->saveStageData();
      break;
    case CommandAction::LoadStageData:
      game_->loadStageData();
      break;
    case CommandAction::ToggleEditor:
      game_->toggleEditor();
      break;
    case CommandAction::SaveReplay:
      game_->saveReplay();
      break;
    case CommandAction::StepThroughHistory:
      game_->stepThroughHistory(static_cast<HistoryStep>(command.index));
      break;
    case CommandAction::PlayReplay:
      game_->startReplay();
      break;
    case CommandAction::ShowAbout:
      game_->showAbout();
      break;
    case CommandAction::StopReplay:
      game_->stopReplay();
      break;
    case CommandAction::OperateOnStages:
      game_->operateOnStages();
      break;
    case CommandAction::PressDirection:
      game_->pressDirection(command.index);
      break;
    case CommandAction::RequestHint:
      game_->requestHint();
      break;
  }
}

void MainWindow::connectHandlers() {
  for (int index = 0; index < kStageCount; ++index) {
    connect(stageOptions_[index], &QPushButton::clicked, this,
            [this, index] { game_->selectStage(index); });
  }
  for (int index = 0; index < 4; ++index) {
    connect(directionButtons_[index], &PictureBox::mousePressed, this,
            [this, index](int button, QPointF) {
              // Only the left button moves; any other still arms the held-button repeat.
              if (button == kLeftMouseButton) {
                game_->pressDirection(index);
              } else {
                game_->holdDirection(index);
              }
            });
    connect(directionButtons_[index], &PictureBox::mouseReleased, this,
            [this](int) { game_->releaseDirection(); });
  }
  connect(speedList_, &QComboBox::currentIndexChanged, this,
          [this](int index) { game_->selectSpeed(index); });
  connect(palettePicture_, &PictureBox::mousePressed, this, [this](int button, QPointF position) {
    game_->pickPaletteTile(button, position.x(), position.y());
  });
  connect(tickTimer_, &QTimer::timeout, this, [this] { game_->tick(); });

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
  palettePicture_->setPicture(toQImage(game_->palettePicture()));
  if (const QScreen* screen = this->screen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget != nullptr && widget->window() == this) {
      auto* key = static_cast<QKeyEvent*>(event);
      // Tab, Space and every other key are the focused control's.
      const Command* command = commandForKey(key->key(), key->modifiers());
      if (command == nullptr) {
        return false;
      }
      // Out of reach, a command's key does nothing, except in a name box, which edits with it: a
      // button would move the focus or select a stage with it, the speed list change the speed.
      return takeCommandKey(*game_, *command, key->type() == QEvent::KeyPress,
                            key->isAutoRepeat()) ||
             qobject_cast<const QLineEdit*>(widget) == nullptr;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void MainWindow::changeEvent(QEvent* event) {
  // A key released while another window has the keyboard never reaches this one.
  if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
    game_->releaseDirectionKey();
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
  for (int index = 0; index < kStageCount; ++index) {
    stageOptions_[index]->setChecked(index == game_->currentStage());
  }
  const StageSet& stageSet = game_->stageSet();
  stageNameBox_->setText(QString::fromStdString(stageSet.stageNames[game_->currentStage()]));
  dataSetNameBox_->setText(QString::fromStdString(stageSet.dataSetName));
}

void MainWindow::editModeChanged() {
  const bool editing = game_->editMode();
  const Command& toggle = commandNamed("Command3");
  editorButton_->setText(fromView(editing ? toggle.captionInEditor : toggle.caption));
  editorPanel_->setVisible(editing);
  playPanel_->setVisible(!editing);
  setNameBoxLocked(stageNameBox_, !editing);
  setNameBoxLocked(dataSetNameBox_, !editing);
  stageOperationsButton_->setVisible(editing);
}

void MainWindow::replayRunningChanged() {
  const bool running = game_->replayRunning();
  // What the panel covers is as far out of the keyboard's reach as it is out of the mouse's; the
  // focus goes to the stop button, and back to the button that starts a playback.
  for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (control != replayPanel_ && control->geometry().intersects(replayPanel_->geometry())) {
      control->setEnabled(!running);
    }
  }
  replayPanel_->setVisible(running);
  (running ? stopButton_ : playReplayButton_)->setFocus();
}

void MainWindow::editorTilesChanged() {
  leftTileBox_->setPicture(toQImage(game_->leftTilePicture()));
  rightTileBox_->setPicture(toQImage(game_->rightTilePicture()));
}

}  // namespace vantoki
