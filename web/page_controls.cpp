#include "page_controls.h"

#include <cstdio>
#include <span>
#include <utility>

#include "layout/command_table.h"
#include "layout/layout_table.h"

namespace vantoki {
namespace {

// The kinds as the page names them.
std::string kindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Window:
      return "window";
    case ControlKind::Frame:
      return "frame";
    case ControlKind::Panel:
      return "panel";
    case ControlKind::Label:
      return "label";
    case ControlKind::Link:
      return "link";
    case ControlKind::Button:
    case ControlKind::DefaultButton:
      return "button";
    case ControlKind::StageOption:
      return "option";
    case ControlKind::NameBox:
    case ControlKind::TextBox:
      return "text";
    case ControlKind::Picture:
      return "picture";
    case ControlKind::Icon:
      return "icon";
    case ControlKind::List:
    case ControlKind::ListBox:
      return "list";
    case ControlKind::Radio:
      return "radio";
  }
  return "label";
}

std::string cssColor(const std::optional<std::uint32_t>& color) {
  if (!color) {
    return {};
  }
  char css[8];
  std::snprintf(css, sizeof css, "#%06x", static_cast<unsigned>(*color));
  return css;
}

std::string alignName(TextAlign align) {
  switch (align) {
    case TextAlign::Centre:
      return "center";
    case TextAlign::Right:
      return "right";
    case TextAlign::Left:
      break;
  }
  return "left";
}

bool isMainWindow(std::string_view window) {
  return window == mainWindowLayout().front().name;
}

}  // namespace

std::string elementId(std::string_view window, std::string_view objectName) {
  std::string id =
      isMainWindow(window) || objectName == window ? std::string() : std::string(window) + "-";
  for (const char c : objectName) {
    if (c == '(') {
      id += '-';
    } else if (c != ')') {
      id += c;
    }
  }
  return id;
}

std::string_view controlOfElement(std::string_view window, std::string_view id) {
  for (const ControlPlace& place : layoutOf(window)) {
    if (elementId(window, place.name) == id) {
      return place.name;
    }
  }
  return {};
}

std::vector<PageControl> pageControls(std::string_view window) {
  std::vector<PageControl> controls;
  for (const ControlPlace& place : layoutOf(window)) {
    PageControl control;
    control.id = elementId(window, place.name);
    control.parentId = place.parent.empty() ? std::string() : elementId(window, place.parent);
    control.left = place.left;
    control.top = place.top;
    control.width = place.width;
    control.height = place.height;
    control.kind = kindName(place.kind);
    control.caption = place.caption;
    control.tooltip = place.tooltip;
    control.hidden = place.hiddenAtStart;
    if (const Command* command = isMainWindow(window) ? commandOf(place.name) : nullptr) {
      control.tooltip = keyTooltip(*command);
      control.repeatsWhileHeld = command->action == CommandAction::PressDirection;
    }
    control.textColor = cssColor(place.style.textColor);
    control.groundColor = cssColor(place.style.groundColor);
    control.align = alignName(place.style.align);
    control.pointSize = place.style.pointSize;
    control.bold = place.style.bold;
    control.wraps = place.style.wraps;
    control.labelledBy =
        place.labelledBy.empty() ? std::string() : elementId(window, place.labelledBy);
    controls.push_back(std::move(control));
  }
  return controls;
}

}  // namespace vantoki
