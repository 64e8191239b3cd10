// The commands of the main window: each one's object name, caption, the keys that stand for it
// and what it does, read by the window when it builds its buttons and by its key handling, so a
// caption, a key and the tooltip that names the key are written once. Keys are key sequences in
// their portable text ("Left", "Ctrl+Shift+Z"), which the desktop reads with its own key
// sequences and a page can match against its key events.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vantoki {

enum class CommandAction {
  SaveStageData,
  LoadStageData,
  ToggleEditor,
  SaveReplay,
  StepThroughHistory,  // index: the history step
  PlayReplay,
  ShowAbout,
  StopReplay,
  OperateOnStages,
  PressDirection,  // index: the direction
  RequestHint,     // a key only, with no control
};

struct Command {
  std::string_view name;  // the control's object name; empty for a command without one
  std::string_view caption;
  CommandAction action;
  int index = 0;
  std::array<std::string_view, 2> keys{};  // unused places are empty
  std::string_view captionInEditor{};      // when the caption changes in editor mode
};

std::span<const Command> mainWindowCommands();

// The command of a control; a name the table lacks is a mistake in the program, which stops with
// the name.
const Command& commandNamed(std::string_view name);

// The tooltip that names a command's keys: an arrow for an arrow key, "キー" after a key pressed
// alone, chords as they are written, alternatives joined by " / " ("Backspaceキー / Ctrl+Z").
// Empty for a command without keys.
std::string keyTooltip(const Command& command);

}  // namespace vantoki
