// The keys of the play panel: the arrow keys for the four direction buttons, Home, Backspace /
// Ctrl+Z, Ctrl+Y / Ctrl+Shift+Z and End for the history buttons, each named with the index of the
// button it stands for, and H, which asks for a hint and has no button.
#pragma once

#include <optional>

#include <QString>
#include <Qt>

namespace vantoki {

struct KeyCommand {
  enum class Kind { Direction, History, Hint };
  Kind kind;
  int button;  // Picture4(button) or Command5(button); 0 for a hint
};

std::optional<KeyCommand> keyCommandFor(int key, Qt::KeyboardModifiers modifiers);

// The tooltip that names the keys of a button, e.g. 「←キー」.
QString directionKeyTip(int direction);
QString historyKeyTip(int historyButton);

}  // namespace vantoki
