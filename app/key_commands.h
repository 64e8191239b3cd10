// The keys that stand for buttons of the play panel: the arrow keys for the four direction
// buttons, and Home, Backspace / Ctrl+Z, Ctrl+Y / Ctrl+Shift+Z and End for the history buttons.
// Each command is named with the index of the button it stands for.
#pragma once

#include <optional>

#include <QString>
#include <Qt>

namespace vantoki {

struct KeyCommand {
  enum class Kind { Direction, History };
  Kind kind;
  int button;  // Picture4(button) or Command5(button)
};

std::optional<KeyCommand> keyCommandFor(int key, Qt::KeyboardModifiers modifiers);

// The tooltip that names the keys of a button, e.g. 「←キー」.
QString directionKeyTip(int direction);
QString historyKeyTip(int historyButton);

}  // namespace vantoki
