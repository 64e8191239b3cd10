#include "app/main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "app/key_commands.h"
#include "app/qt_platform.h"
#include "game/control_events.h"
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
  layout.buildEveryControl();
  setWindowIcon(QIcon(QPixmap::fromImage(loadWindowIcon())));

  boardPicture_ = layout.control<PictureBox>("MapPic");
  dataSetNameBox_ = layout.control<QLineEdit>("Text2");
  stageNameBox_ = layout.control<QLineEdit>("Text1");
  for (int index = 0; index < kStageCount; ++index) {
    stageOptions_[index] = layout.control<QPushButton>(arrayName("Option1", index));
  }
  currentTurnLabel_ = layout.control<QLabel>("Label5");
  lastTurnLabel_ = layout.control<QLabel>("Label3");
  for (QLabel* turn : {currentTurnLabel_, lastTurnLabel_}) {
    QPalette colors = turn->palette();
    colors.setColor(QPalette::WindowText, kTurnLabelColor);
    turn->setPalette(colors);
  }
  layout.control<QLabel>("Label6")->setAlignment(Qt::AlignHCenter);
  speedList_ = layout.control<QComboBox>("Combo1");
  for (const std::string_view speed : kGameSpeedNames) {
    speedList_->addItem(fromView(speed));
  }
  for (int index = 0; index < 4; ++index) {
    directionButtons_[index] = layout.control<PictureBox>(arrayName("Picture4", index));
  }
  stageClearPanel_ = layout.control<QGroupBox>("Frame7");
  QLabel* clear = layout.control<QLabel>("Label7");
  // Too wide for one line at its size, the caption wraps at its space: "STAGE" over "CLEAR!!",
  // two centred lines that fill the label, as every label of the window wraps.
  clear->setAlignment(Qt::AlignCenter);
  clear->setFont(gothicFont(27.75, false));
  clear->setWordWrap(true);
  playReplayButton_ = layout.control<QPushButton>("Command6");
  palettePicture_ = layout.control<PictureBox>("Picture1");
  leftTileBox_ = layout.control<PictureBox>("Picture2");
  rightTileBox_ = layout.control<PictureBox>("Picture3");
  replayPanel_ = layout.control<QGroupBox>("Frame6");
  stopButton_ = layout.control<QPushButton>("Command8");

  tickTimer_ = new QTimer(this);
  tickTimer_->setObjectName("Timer1");
  tickTimer_->setTimerType(Qt::PreciseTimer);
}

void MainWindow::connectHandlers() {
  for (const Command& command : mainWindowCommands()) {
    if (command.name.empty()) {
      continue;
    }
    const std::string_view name = command.name;
    auto* control = findChild<QWidget*>(fromView(name));
    control->setToolTip(fromView(keyTooltip(command)));
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
      connect(button, &QAbstractButton::clicked, this,
              [this, name] { clickControl(*game_, name); });
    }
  }
  for (PictureBox* picture : findChildren<PictureBox*>()) {
    const std::string name = picture->objectName().toStdString();
    connect(picture, &PictureBox::mousePressed, this, [this, name](int button, QPointF position) {
      pressOnPicture(*game_, name, button, position.x(), position.y());
    });
    connect(picture, &PictureBox::mouseMoved, this, [this, name](int buttons, QPointF position) {
      dragOnPicture(*game_, name, buttons, position.x(), position.y());
    });
    connect(picture, &PictureBox::mouseReleased, this,
            [this, name](int) { releaseOnPicture(*game_, name); });
  }
  for (QLineEdit* box : {stageNameBox_, dataSetNameBox_}) {
    const std::string name = box->objectName().toStdString();
    connect(box, &QLineEdit::textEdited, this,
            [this, name](const QString& text) { editNameBox(*game_, name, text.toStdString()); });
  }
  connect(speedList_, &QComboBox::currentIndexChanged, this,
          [this](int index) { game_->selectSpeed(index); });
  connect(tickTimer_, &QTimer::timeout, this, [this] { game_->tick(); });
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
      return takeKey(*game_, commandForKey(key->key(), key->modifiers()),
                     key->type() == QEvent::KeyPress, key->isAutoRepeat(),
                     qobject_cast<const QLineEdit*>(widget) != nullptr);
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

void MainWindow::closeEvent(QCloseEvent* event) {
  if (game_->settleUnsavedEdits()) {
    event->accept();
  } else {
    event->ignore();
  }
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
  for (const ControlChange& change : editModeChanges(game_->editMode())) {
    auto* control = findChild<QWidget*>(fromView(change.name));
    switch (change.what) {
      case ControlChange::What::Shown:
        control->setVisible(change.on);
        break;
      case ControlChange::What::Locked:
        setNameBoxLocked(qobject_cast<QLineEdit*>(control), change.on);
        break;
      case ControlChange::What::Caption:
        qobject_cast<QAbstractButton*>(control)->setText(fromView(change.caption));
        break;
    }
  }
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
