// The page's controls, one for each entry of the layout table of a window: the element id, what
// kind of element stands there, its caption, tooltip and the look of its text. Ids are the object
// names, an element of a control array with a hyphen ("Option1-3"); a dialog's ids start with the
// window's name ("Form2-Option1-3", "frmAbout-Command1"), since its object names repeat the main
// window's. The page builds its elements from this and nothing else, so its layout is the layout
// table's.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantoki {

struct PageControl {
  std::string id;
  std::string parentId;  // empty for the window itself
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  // window, frame, panel, label, link, button, option (a button that stays down), text, picture,
  // icon, list, radio
  std::string kind;
  std::string caption;
  std::string tooltip;
  bool hidden = false;  // not visible at start
  // A press held on it repeats (a direction button), so a finger on it presses at once.
  bool repeatsWhileHeld = false;
  // The look of its text where it differs from its kind's: CSS colours (empty: the kind's), left,
  // center or right, a size in points (0: the window's), bold, and text that wraps.
  std::string textColor;
  std::string groundColor;
  std::string align;
  double pointSize = 0;
  bool bold = false;
  bool wraps = false;
  // The element id of the label that names it, where its caption does not.
  std::string labelledBy;
};

// The element id of a control of `window`, by its object name.
std::string elementId(std::string_view window, std::string_view objectName);
// The object name of the control of `window` whose element id is `id`; empty for none.
std::string_view controlOfElement(std::string_view window, std::string_view id);

// The controls of the window named `window`; none for a name no window has.
std::vector<PageControl> pageControls(std::string_view window);

}  // namespace vantoki
