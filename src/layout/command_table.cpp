#include "layout/command_table.h"

#include <cstdio>
#include <cstdlib>

namespace vantoki {
namespace {

using enum CommandAction;

constexpr std::array kCommands = std::to_array<Command>({
    {"Command1", "ステージデータ　セーブ", SaveStageData},
    {"Command2", "ステージデータ　ロード", LoadStageData},
    {"Command3", "ステージエディット", ToggleEditor, 0, {}, "ゲームプレイ"},
    {"Command4", "現在のプレイをリプレイ保存する", SaveReplay},
    {"Command5(0)", "≪", StepThroughHistory, 0, {"Home"}},
    {"Command5(1)", "＜", StepThroughHistory, 1, {"Backspace", "Ctrl+Z"}},
    {"Command5(2)", "＞", StepThroughHistory, 2, {"Ctrl+Y", "Ctrl+Shift+Z"}},
    {"Command5(3)", "≫", StepThroughHistory, 3, {"End"}},
    {"Command6", "保存してあるリプレイを再生する", PlayReplay},
    {"Command7", "バージョン情報", ShowAbout},
    {"Command8", "リプレイ停止", StopReplay},
    {"Command9", "ステージデータ操作", OperateOnStages},
    {"Picture4(0)", "", PressDirection, 0, {"Left"}},
    {"Picture4(1)", "", PressDirection, 1, {"Up"}},
    {"Picture4(2)", "", PressDirection, 2, {"Right"}},
    {"Picture4(3)", "", PressDirection, 3, {"Down"}},
    {"", "", RequestHint, 0, {"H"}},
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

const Command& commandNamed(std::string_view name) {
  for (const Command& command : kCommands) {
    if (!name.empty() && command.name == name) {
      return command;
    }
  }
  std::fprintf(stderr, "the command table has no command named %.*s\n",
               static_cast<int>(name.size()), name.data());
  std::abort();
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
