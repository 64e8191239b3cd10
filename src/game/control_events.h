// What the events of the main window's controls do to the game, the same in every shell: a click
// runs the control's command from the command table, a press of each mouse button on a picture
// does what that picture does, a name box renames, a key of the command table acts only while in
// reach, and edit mode shows and hides what it does. A shell turns its own events into these calls,
// naming controls by their object names, and draws what they say; it decides nothing itself.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "game/game.h"
#include "layout/command_table.h"

namespace vantoki {

// A click on a button or a stage option; a control without a command does nothing.
void clickControl(Game& game, std::string_view name);

// A press of `button`, a move with `buttons` held, and a release, on a picture: the board paints
// in editor mode, the palette picks a tile, a direction button moves with the left button and
// only arms the held-button repeat with any other. Positions are in the picture's pixels.
void pressOnPicture(Game& game, std::string_view name, int button, double x, double y);
void dragOnPicture(Game& game, std::string_view name, int buttons, double x, double y);
void releaseOnPicture(Game& game, std::string_view name);

// The whole text of a name box after the player edited it.
void editNameBox(Game& game, std::string_view name, const std::string& text);

// A key that stands for `command` (null: no command's key), pressed or released; `autoRepeat`
// marks the keyboard's own repeats. Returns whether the key is used up: a key the game takes, and
// a command's key out of reach, which does nothing, except in a name box, which keeps its keys to
// edit with (a button would move the focus or select a stage with it, the speed list change the
// speed). Every other key goes on to the control with the focus.
bool takeKey(Game& game, const Command* command, bool press, bool autoRepeat, bool inNameBox);

// What a control shows after the mode changed.
struct ControlChange {
  enum class What { Shown, Locked, Caption };
  std::string_view name;
  What what;
  bool on = false;                // Shown, Locked
  std::string_view caption = {};  // Caption
};

// Editor mode shows the editor's panel in the play panel's place and the stage operations button,
// unlocks the name boxes, and turns the editor button into the way back to play.
std::vector<ControlChange> editModeChanges(bool editing);

}  // namespace vantoki
