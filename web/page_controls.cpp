#include "page_controls.h"

#include <span>
#include <utility>

#include "layout/command_table.h"
#include "layout/layout_table.h"
#include "view/game_speed.h"

namespace vantoki {
namespace {

constexpr std::string_view kMainWindow = "Form1";
constexpr std::string_view kStageOperations = "Form2";
constexpr std::string_view kAboutBox = "frmAbout";

// The kinds as the page names them.
std::string kindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Window:
      return "window";
    case ControlKind::Frame:
      return "frame";
    case ControlKind::Label:
      return "label";
    case ControlKind::Link:
      return "link";
    case ControlKind::Button:
      return "button";
    case ControlKind::StageOption:
      return "option";
    case ControlKind::NameBox:
      return "text";
    case ControlKind::Picture:
      return "picture";
    case ControlKind::List:
      return "list";
    case ControlKind::Radio:
      return "radio";
  }
  return "label";
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
                        kindName(place.kind),
                        std::string(place.caption),
                        {},
                        place.hiddenAtStart};
    if (window == kMainWindow) {
      if (const Command* command = commandOf(place.name)) {
        control.tooltip = keyTooltip(*command);
        control.repeatsWhileHeld = command->action == CommandAction::PressDirection;
      }
      if (place.kind == ControlKind::List) {
        // The speeds, one a line.
        for (const std::string_view speed : kGameSpeedNames) {
          control.caption += std::string(speed) + "\n";
        }
      }
    }
    controls.push_back(std::move(control));
  }
  return controls;
}

}  // namespace vantoki
