// The layout table of the game's three windows, the main window "Form1", the stage operations
// dialog "Form2" and the About box "frmAbout": every control's object name, the control it stands
// in, its place and size in pixels, what kind of control it is, its caption and whether it shows
// at start. Both shells build their windows from it and from nothing else, so a control stands
// where the table says, reads what it says, and each caption is written once. A window's own entry
// has no parent, gives the size of its client area, and its caption is the window's title.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace vantoki {

enum class ControlKind {
  Window,
  Frame,
  Label,
  Link,  // a label that opens an address; grows to the right to show all of its text
  Button,
  StageOption,  // a button that stays down while its stage is chosen
  NameBox,
  Picture,
  List,
  Radio,
};

struct ControlPlace {
  std::string_view name;    // the object name; element i of a control array is "Name(i)"
  std::string_view parent;  // the window's or a frame's object name; empty for a window
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  ControlKind kind = ControlKind::Label;
  std::string_view caption{};
  bool hiddenAtStart = false;
};

std::span<const ControlPlace> mainWindowLayout();
std::span<const ControlPlace> stageOperationsLayout();
std::span<const ControlPlace> aboutBoxLayout();

// The object name of element `index` of a control array, e.g. "Option1(3)".
std::string arrayName(std::string_view name, int index);

// The entry of a control; a name the layout lacks is a mistake in the program, which stops with
// the name rather than lay a window out wrongly.
const ControlPlace& placeOf(std::span<const ControlPlace> layout, std::string_view name);

}  // namespace vantoki
