#include "page_controls.h"

#include <array>
#include <utility>

#include "dialogs/about_links.h"
#include "dialogs/stage_operations_model.h"
#include "layout/command_table.h"
#include "layout/layout_table.h"
#include "platform/version.h"
#include "view/game_speed.h"

namespace vantoki {
namespace {

constexpr std::string_view kMainWindow = "Form1";
constexpr std::string_view kStageOperations = "Form2";
constexpr std::string_view kAboutBox = "frmAbout";

// The captions of the controls that do no command: labels, frames and the windows.
constexpr std::array<std::pair<std::string_view, std::string_view>, 11> kMainCaptions = {{
    {"Form1", "Vantoki"},
    {"Label4", "データ名"},
    {"Frame1", "ステージ選択"},
    {"Label1", "ステージ名"},
    {"Label2", "ターン数"},
    {"Label5", "000"},
    {"Label6", "／"},
    {"Label3", "000"},
    {"Label8", "ゲームスピード"},
    {"Label7", "STAGE CLEAR!!"},
    {"Frame6", "リプレイ再生中"},
}};
constexpr std::array<std::pair<std::string_view, std::string_view>, 2> kEditorCaptions = {{
    {"Frame2", "左クリック"},
    {"Frame3", "右クリック"},
}};
constexpr std::array<std::pair<std::string_view, std::string_view>, 8> kStageOperationCaptions = {{
    {"Form2", "ステージデータ操作"},
    {"Frame1", "ターゲットＡ"},
    {"Frame2", "ターゲットＢ"},
    {"Label1", "ステージ名"},
    {"Label2", "ステージ名"},
    {"Frame3", "動作"},
    {"Command1", "実行"},
    {"Command2", "閉じる"},
}};
constexpr std::array<std::pair<std::string_view, std::string_view>, 7> kAboutCaptions = {{
    {"frmAbout", "バージョン情報"},
    {"Label1", "作者　："},
    {"Label2", kMakerName},
    {"lblDescription", "ホームページ　："},
    {"Label3", kMakerWebPage},
    {"Label4", "メール　："},
    {"Label5", kMakerMailAddress},
}};
constexpr std::array<std::pair<std::string_view, std::string_view>, 2> kAboutButtons = {{
    {"Command2", "ヘルプ"},
    {"Command1", "閉じる"},
}};

// Hidden at start: the editor's panel and its command, the stage-clear and replay panels.
constexpr std::array<std::string_view, 4> kHiddenAtStart = {"Frame5", "Command9", "Frame7",
                                                            "Frame6"};

template <std::size_t N>
std::string_view lookUp(const std::array<std::pair<std::string_view, std::string_view>, N>& table,
                        std::string_view name) {
  for (const auto& [key, value] : table) {
    if (key == name) {
      return value;
    }
  }
  return {};
}

std::string_view kindByName(std::string_view name) {
  // Everything else is a label.
  constexpr std::array<std::pair<std::string_view, std::string_view>, 9> kKinds = {{
      {"MapPic", "picture"},
      {"picIcon", "picture"},
      {"Picture", "picture"},
      {"Command", "button"},
      {"Option1", "option"},
      {"Option", "radio"},
      {"Frame", "frame"},
      {"Text", "text"},
      {"Combo", "list"},
  }};
  for (const auto& [prefix, kind] : kKinds) {
    if (name.starts_with(prefix)) {
      return kind;
    }
  }
  return "label";
}

// "01" … "10" for the stage options; target B's options count on from 10.
std::string stageOptionCaption(std::string_view name) {
  const int index = std::stoi(std::string(name.substr(name.find('(') + 1))) % kStageCount;
  return (index + 1 < 10 ? "0" : "") + std::to_string(index + 1);
}

void describeMainControl(PageControl& control, std::string_view name) {
  if (control.kind == "button" || name.starts_with("Picture4")) {
    const Command& command = commandNamed(name);
    control.caption = std::string(command.caption);
    control.tooltip = keyTooltip(command);
  } else if (control.kind == "option") {
    control.caption = stageOptionCaption(name);
  } else if (control.kind == "list") {
    // The speeds, one a line.
    for (const std::string_view speed : kGameSpeedNames) {
      control.caption += std::string(speed) + "\n";
    }
  } else {
    const std::string_view caption = lookUp(kMainCaptions, name);
    control.caption = std::string(caption.empty() ? lookUp(kEditorCaptions, name) : caption);
  }
  for (const std::string_view hidden : kHiddenAtStart) {
    control.hidden = control.hidden || name == hidden;
  }
}

void describeStageOperationsControl(PageControl& control, std::string_view name) {
  if (control.kind == "option") {
    control.caption = stageOptionCaption(name);
    return;
  }
  for (const OperationOption& option : kOperationOptions) {
    if (name == option.name) {
      control.caption = option.caption;
      return;
    }
  }
  control.caption = std::string(lookUp(kStageOperationCaptions, name));
}

void describeAboutControl(PageControl& control, std::string_view name) {
  if (name == "lblTitle") {
    control.caption = std::string("Vantoki　Ver ") + kMajorMinorVersion;
  } else if (control.kind == "button") {
    control.caption = std::string(lookUp(kAboutButtons, name));
  } else {
    control.caption = std::string(lookUp(kAboutCaptions, name));
  }
  if (name == "Label3" || name == "Label5") {
    control.kind = "link";
  }
}

}  // namespace

std::string elementId(std::string_view window, std::string_view objectName) {
  std::string id =
      window == kMainWindow || objectName == window ? std::string() : std::string(window) + "-";
  for (const char c : objectName) {
    if (c == '(') {
      id += '-';
    } else if (c != ')') {
      id += c;
    }
  }
  return id;
}

std::vector<PageControl> pageControls(std::string_view window) {
  const std::span<const ControlPlace> layout =
      window == kMainWindow        ? mainWindowLayout()
      : window == kStageOperations ? stageOperationsLayout()
      : window == kAboutBox        ? aboutBoxLayout()
                                   : std::span<const ControlPlace>();
  std::vector<PageControl> controls;
  for (const ControlPlace& place : layout) {
    PageControl control{elementId(window, place.name),
                        place.parent.empty() ? std::string() : elementId(window, place.parent),
                        place.left,
                        place.top,
                        place.width,
                        place.height,
                        place.parent.empty() ? "window" : std::string(kindByName(place.name)),
                        {},
                        {},
                        false};
    if (window == kMainWindow) {
      describeMainControl(control, place.name);
    } else if (window == kStageOperations) {
      describeStageOperationsControl(control, place.name);
    } else {
      describeAboutControl(control, place.name);
    }
    controls.push_back(std::move(control));
  }
  return controls;
}

}  // namespace vantoki
