#include "app/key_commands.h"

#include <array>

#include "core/history_step.h"

namespace vantoki {
namespace {

constexpr Qt::KeyboardModifiers kChordModifiers =
    Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier;

struct KeyBinding {
  int key;
  Qt::KeyboardModifiers chord;
  KeyCommand command;
};

constexpr KeyCommand direction(int index) {
  return {KeyCommand::Kind::Direction, index};
}
constexpr KeyCommand history(HistoryStep step) {
  return {KeyCommand::Kind::History, static_cast<int>(step)};
}

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kControl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kControlShift = Qt::ControlModifier | Qt::ShiftModifier;

constexpr KeyCommand kHint = {KeyCommand::Kind::Hint, 0};

constexpr std::array<KeyBinding, 11> kBindings = {{
    {Qt::Key_Left, kNone, direction(0)},
    {Qt::Key_Up, kNone, direction(1)},
    {Qt::Key_Right, kNone, direction(2)},
    {Qt::Key_Down, kNone, direction(3)},
    {Qt::Key_Home, kNone, history(HistoryStep::First)},
    {Qt::Key_Backspace, kNone, history(HistoryStep::Previous)},
    {Qt::Key_Z, kControl, history(HistoryStep::Previous)},
    {Qt::Key_Y, kControl, history(HistoryStep::Next)},
    {Qt::Key_Z, kControlShift, history(HistoryStep::Next)},
    {Qt::Key_End, kNone, history(HistoryStep::Last)},
    {Qt::Key_H, kNone, kHint},
}};

}  // namespace

std::optional<KeyCommand> keyCommandFor(int key, Qt::KeyboardModifiers modifiers) {
  // The keypad's own modifier says only where the key sits.
  const Qt::KeyboardModifiers chord = modifiers & kChordModifiers;
  for (const KeyBinding& binding : kBindings) {
    if (binding.key == key && binding.chord == chord) {
      return binding.command;
    }
  }
  return std::nullopt;
}

QString directionKeyTip(int direction) {
  static const std::array<const char*, 4> kTips = {"←キー", "↑キー", "→キー", "↓キー"};
  return QString::fromUtf8(kTips.at(direction));
}

QString historyKeyTip(int historyButton) {
  static const std::array<const char*, 4> kTips = {"Homeキー", "Backspaceキー / Ctrl+Z",
                                                   "Ctrl+Y / Ctrl+Shift+Z", "Endキー"};
  return QString::fromUtf8(kTips.at(historyButton));
}

}  // namespace vantoki
