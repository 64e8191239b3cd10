// The game's one main window, object "Form1": the board, the column of commands on the right, the
// play panel and the editor panel in the same place, the replay panel that covers the column
// during playback, and the 50 ms timer. It is built from the layout table and the command table
// (layout/), so every control carries its object name there ("Command1", "Option1(3)",
// "Picture4(2)", …). It only hands events on and shows what the game says: every event of its
// controls goes to the game by object name (game/control_events.h), and every change the game
// publishes is applied to the control it names (widgets/control_changes.h). Tab visits the column
// from top to bottom in the order its controls are built, and the keys of the command table keep
// their meaning whatever has the focus.
#pragma once

#include <memory>

#include <QWidget>

#include "game/control_events.h"
#include "game/game.h"
#include "platform/platform.h"
#include "view/picture_strips.h"

class QCloseEvent;
class QTimer;

namespace vantoki {

class MainWindow : public QWidget {
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
  PictureStrips strips_;
  std::unique_ptr<Platform> ownPlatform_;
  std::unique_ptr<Game> game_;
  std::unique_ptr<GameEvents> events_;
  QTimer* tickTimer_ = nullptr;
};

}  // namespace vantoki
