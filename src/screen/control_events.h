// What a player does to the controls of a window, by the object names of its layout table, as a
// shell hands it on: one call per event, with nothing decided on the way. The game and each
// dialog's controller take the events their window has; the rest do nothing.
#pragma once

#include <string>
#include <string_view>

namespace vantoki {

class ControlEvents {
 public:
  virtual ~ControlEvents() = default;

  // A click on a button, an option, a radio choice or a link.
  virtual void click(std::string_view /*control*/) {}
  // A press of `button`, a move with `buttons` held, and the release, on a picture; buttons as
  // platform/mouse_buttons.h counts them, positions in the picture's own pixels.
  virtual void press(std::string_view /*control*/, int /*button*/, double /*x*/, double /*y*/) {}
  virtual void drag(std::string_view /*control*/, int /*buttons*/, double /*x*/, double /*y*/) {}
  virtual void release(std::string_view /*control*/) {}
  // A finger that slid (dx, dy) of a picture's own pixels across it since it came down, and may
  // stay down; it lets go with the picture's release.
  virtual void swipe(std::string_view /*control*/, double /*dx*/, double /*dy*/) {}
  // The whole text of a text box after the player edited it.
  virtual void editText(std::string_view /*control*/, const std::string& /*text*/) {}
  // An item of a list chosen (-1: none), and one opened (a double click, Return on it).
  virtual void chooseItem(std::string_view /*control*/, int /*index*/) {}
  virtual void openItem(std::string_view /*control*/, int /*index*/) {}
  // The keyboard's focus went to a control of the window.
  virtual void focusMoved(std::string_view /*control*/) {}
};

}  // namespace vantoki
