#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>

#include "app/key_commands.h"
#include "app/qt_platform.h"
#include "view/strip_loader.h"
#include "widgets/control_changes.h"
#include "widgets/control_event_forwarding.h"
#include "widgets/controls.h"

namespace vantoki {

MainWindow::MainWindow(Platform* platform) : strips_(loadPictureStrips()) {
  if (platform == nullptr) {
    ownPlatform_ = std::make_unique<QtPlatform>(this);
    platform = ownPlatform_.get();
  }
  game_ = std::make_unique<Game>(strips_, *platform);
  events_ = std::make_unique<GameEvents>(*game_);

  LayoutBuilder(this, mainWindowLayout()).buildEveryControl();
  setWindowIcon(QIcon(QPixmap::fromImage(loadWindowIcon())));
  // A command's control names its keys.
  for (const Command& command : mainWindowCommands()) {
    if (!command.name.empty()) {
      findChild<QWidget*>(fromView(command.name))->setToolTip(fromView(keyTooltip(command)));
    }
  }
  game_->setScreenListener([this](const ControlChange& change) { applyChange(this, change); });
  forwardControlEvents(this, *events_);
  tickTimer_ = new QTimer(this);
  tickTimer_->setTimerType(Qt::PreciseTimer);
  connect(tickTimer_, &QTimer::timeout, this, [this] { game_->tick(); });

  game_->startUp();
  tickTimer_->start(kTickMilliseconds);
  if (const QScreen* screen = this->screen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  // Key events go to the control with the focus first; the application's filter sees them all.
  qApp->installEventFilter(this);
}

MainWindow::~MainWindow() = default;

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget != nullptr && widget->window() == this) {
      auto* key = static_cast<QKeyEvent*>(event);
      return events_->key(commandForKey(key->key(), key->modifiers()),
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

}  // namespace vantoki
