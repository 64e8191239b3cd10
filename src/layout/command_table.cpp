#include "layout/command_table.h"

#include <utility>

namespace vantoki {
namespace {

using enum CommandAction;

constexpr std::array kCommands = std::to_array<Command>({
    {"Option1(0)", SelectStage, 0},
    {"Option1(1)", SelectStage, 1},
    {"Option1(2)", SelectStage, 2},
    {"Option1(3)", SelectStage, 3},
    {"Option1(4)", SelectStage, 4},
    {"Option1(5)", SelectStage, 5},
    {"Option1(6)", SelectStage, 6},
    {"Option1(7)", SelectStage, 7},
    {"Option1(8)", SelectStage, 8},
    {"Option1(9)", SelectStage, 9},
    {"Command1", SaveStageData},
    {"Command2", LoadStageData},
    {"Command3", ToggleEditor},
    {"Command4", SaveReplay},
    {"Command5(0)", StepThroughHistory, 0, {"Home"}},
    {"Command5(1)", StepThroughHistory, 1, {"Backspace", "Ctrl+Z"}},
    {"Command5(2)", StepThroughHistory, 2, {"Ctrl+Y", "Ctrl+Shift+Z"}},
    {"Command5(3)", StepThroughHistory, 3, {"End"}},
    {"Command6", PlayReplay},
    {"Command7", ShowAbout},
    {"Command8", StopReplay},
    {"Command9", OperateOnStages},
    {"Picture4(0)", PressDirection, 0, {"Left"}},
    {"Picture4(1)", PressDirection, 1, {"Up"}},
    {"Picture4(2)", PressDirection, 2, {"Right"}},
    {"Picture4(3)", PressDirection, 3, {"Down"}},
    {"", RequestHint, 0, {"H"}},
});

std::string_view arrowOf(std::string_view key) {
  constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kArrows = {
      {{"Left", "←"}, {"Up", "↑"}, {"Right", "→"}, {"Down", "↓"}}};
  for (const auto& [name, arrow] : kArrows) {
    if (name == key) {
      return arrow;
    }
  }
  return key;
}

}  // namespace

std::span<const Command> mainWindowCommands() {
  return kCommands;
}

const Command* commandOf(std::string_view name) {
  for (const Command& command : kCommands) {
    if (!name.empty() && command.name == name) {
      return &command;
    }
  }
  return nullptr;
}

const Command* commandForKeyText(std::string_view key) {
  for (const Command& command : kCommands) {
    for (const std::string_view each : command.keys) {
      if (!each.empty() && each == key) {
        return &command;
      }
    }
  }
  return nullptr;
}

std::string keyTooltip(const Command& command) {
  std::string tooltip;
  for (const std::string_view key : command.keys) {
    if (key.empty()) {
      continue;
    }
    if (!tooltip.empty()) {
      tooltip += " / ";
    }
    const bool chord = key.find('+') != std::string_view::npos;
    tooltip += chord ? key : arrowOf(key);
    if (!chord) {
      tooltip += "キー";
    }
  }
  return tooltip;
}

}  // namespace vantoki
