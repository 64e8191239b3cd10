// One change of what a control shows, keyed by the object name its window's layout table gives
// it: the one form in which the game and its dialogs tell every shell what to show. A shell
// applies each change to the control of that name and decides nothing itself.
#pragma once

#include <functional>
#include <string>
#include <utility>

#include "view/image24.h"

namespace vantoki {

struct ControlChange {
  enum class What {
    Shown,     // on: the control shows (and with it what stands in it)
    Covered,   // on: a panel lies over it; out of reach of the mouse and the keyboard alike
    Locked,    // on: a name box shows its text but takes no edits
    Checked,   // on: a stage option held down, an operation chosen
    Caption,   // text: a caption, a name box's text, a list's items one a line
    Selected,  // index: the item chosen in a list
    Picture,   // picture: what a picture box shows, drawn at its top left, pixel for pixel
    Focus,     // the control takes the keyboard
  };

  std::string control;
  What what = What::Shown;
  bool on = false;
  std::string text;
  int index = -1;
  // Valid only while the change is being applied; the shell copies the pixels it keeps.
  const Image24* picture = nullptr;

  friend bool operator==(const ControlChange&, const ControlChange&) = default;
};

// The changes of each kind: Shown, Covered, Locked and Checked say on or off.
inline ControlChange switched(std::string control, ControlChange::What what, bool on) {
  ControlChange change;
  change.control = std::move(control);
  change.what = what;
  change.on = on;
  return change;
}

inline ControlChange captioned(std::string control, std::string text) {
  ControlChange change;
  change.control = std::move(control);
  change.what = ControlChange::What::Caption;
  change.text = std::move(text);
  return change;
}

inline ControlChange selected(std::string control, int index) {
  ControlChange change;
  change.control = std::move(control);
  change.what = ControlChange::What::Selected;
  change.index = index;
  return change;
}

inline ControlChange pictured(std::string control, const Image24& picture) {
  ControlChange change;
  change.control = std::move(control);
  change.what = ControlChange::What::Picture;
  change.picture = &picture;
  return change;
}

inline ControlChange focused(std::string control) {
  ControlChange change;
  change.control = std::move(control);
  change.what = ControlChange::What::Focus;
  return change;
}

using ChangeListener = std::function<void(const ControlChange&)>;

}  // namespace vantoki
