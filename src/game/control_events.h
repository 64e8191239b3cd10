// What the events of the main window's controls do to the game, the same in every shell, which
// hands them on by object name and decides nothing: a click runs the control's command from the
// command table, a press of each mouse button on a picture does what that picture does, a name box
// renames, the speed list sets the speed, and a key of the command table acts only while in reach.
// Whatever a player does to a control out of reach (hidden, or under a panel) does nothing, so no
// shell can let it through.
#pragma once

#include <string>
#include <string_view>

#include "game/game.h"
#include "layout/command_table.h"
#include "screen/control_events.h"

namespace vantoki {

class GameEvents : public ControlEvents {
 public:
  // The game must outlive the events.
  explicit GameEvents(Game& game) : game_(game) {}

  // A button or a stage option; a control without a command does nothing.
  void click(std::string_view control) override;
  // The board paints in editor mode, the palette picks a tile, a direction button moves with the
  // left button and only arms the held-button repeat with any other.
  void press(std::string_view control, int button, double x, double y) override;
  void drag(std::string_view control, int buttons, double x, double y) override;
  void release(std::string_view control) override;
  // A swipe on the board presses the direction button of its way, held until the finger lifts
  // from the board, so a finger left down walks on as one held on the button does.
  void swipe(std::string_view control, double dx, double dy) override;
  void editText(std::string_view control, const std::string& text) override;
  void chooseItem(std::string_view control, int index) override;

  // A key that stands for `command` (null: no command's key), pressed or released; `autoRepeat`
  // marks the keyboard's own repeats. Returns whether the key is used up: a key the game takes,
  // and a command's key out of reach, which does nothing, except in a name box, which keeps its
  // keys to edit with (a button would move the focus or select a stage with it, the speed list
  // change the speed). Every other key goes on to the control with the focus.
  bool key(const Command* command, bool press, bool autoRepeat, bool inNameBox);

 private:
  bool takeCommandKey(const Command& command, bool press, bool autoRepeat);

  Game& game_;
  bool swipeHeld_ = false;  // the direction held is a swipe's, let go with the board
};

}  // namespace vantoki
