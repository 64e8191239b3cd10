// The layout table of the game's windows, the main window "Form1", the stage operations dialog
// "Form2", the About box "frmAbout", the message box and the file dialog: every control's object
// name, the control it stands in, its place and size in pixels, what kind of control it is, its
// caption and whether it shows at start, and how its text looks where it differs from its kind's.
// Both shells build their windows from it and from nothing else, so a control stands where the
// table says, reads what it says, and each caption and style is written once. A window's own entry
// has no parent, gives the size of its client area, and its caption is the window's title.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vantoki {

enum class ControlKind {
  Window,
  Frame,
  Panel,  // a frame that, while it shows, lies over the controls under it (screen/screen.h)
  Label,
  Link,  // a label that opens an address; grows to the right to show all of its text
  Button,
  DefaultButton,  // the button Return presses wherever the focus is in its window
  StageOption,  // a button that stays down while its stage is chosen
  NameBox,
  TextBox,  // a text box in the window's own font
  Picture,
  Icon,  // a picture of the program's icon, which each shell has of its own
  List,
  ListBox,  // a list of items shown at once, one a line
  Radio,
};

enum class TextAlign { Left, Centre, Right };

// The light grey of a picture box left at its default colour. The stage operations dialog's
// previews stand on it; and-ing their cells keeps every picture recognisable on it, and only the
// white around a piece turns this grey.
inline constexpr std::uint32_t kStagePreviewGround = 0xF0F0F0;

// How a control's text differs from its kind's: colours as 0xRRGGBB, a size in points (0 keeps the
// window's), and text that wraps at its spaces, centred on both axes when it is centred.
struct ControlStyle {
  std::optional<std::uint32_t> textColor;
  std::optional<std::uint32_t> groundColor;
  TextAlign align = TextAlign::Left;
  double pointSize = 0;
  bool bold = false;
  bool wraps = false;
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
  ControlStyle style{};
  std::string_view tooltip{};
  // The label whose caption names this control for assistive technology, where its own caption
  // does not (a text box, a list); a picture that acts as a button is named by its caption.
  std::string_view labelledBy{};
};

std::span<const ControlPlace> mainWindowLayout();
std::span<const ControlPlace> stageOperationsLayout();
std::span<const ControlPlace> aboutBoxLayout();
std::span<const ControlPlace> messageBoxLayout();
std::span<const ControlPlace> fileChooserLayout();
// The layout of the window whose own entry is named `window`; empty for a name no window has.
std::span<const ControlPlace> layoutOf(std::string_view window);

// The object name of element `index` of a control array, e.g. "Option1(3)".
std::string arrayName(std::string_view name, int index);

// The entry of a control; a name the layout lacks is a mistake in the program, which stops with
// the name rather than lay a window out wrongly.
const ControlPlace& placeOf(std::span<const ControlPlace> layout, std::string_view name);

}  // namespace vantoki
