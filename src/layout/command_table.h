// The commands of the main window: each one's object name, the keys that stand for it and what it
// does, read by the shells when they connect their controls and by their key handling, so a key
// and the tooltip that names it are written once. Captions are the layout table's. Keys are key
// sequences in their portable text ("Left", "Ctrl+Shift+Z"), which the desktop reads with its own
// key sequences and a page can match against its key events.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vantoki {

enum class CommandAction {
  SelectStage,  // index: the stage
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
  CommandAction action;
  int index = 0;
  std::array<std::string_view, 2> keys{};  // unused places are empty
};

std::span<const Command> mainWindowCommands();

// The command of a control; null for a control that runs none.
const Command* commandOf(std::string_view name);
// The command a key stands for, by the key's portable text; null for a key of no command.
const Command* commandForKeyText(std::string_view key);

// The tooltip that names a command's keys: an arrow for an arrow key, "キー" after a key pressed
// alone, chords as they are written, alternatives joined by " / " ("Backspaceキー / Ctrl+Z").
// Empty for a command without keys.
std::string keyTooltip(const Command& command);

}  // namespace vantoki
