#include "screen/screen.h"

#include <cstdio>
#include <cstdlib>

namespace vantoki {
namespace {

bool liesWhollyUnder(const ControlPlace& control, const ControlPlace& panel) {
  return control.left >= panel.left && control.top >= panel.top &&
         control.left + control.width <= panel.left + panel.width &&
         control.top + control.height <= panel.top + panel.height;
}

}  // namespace

Screen::Screen(std::span<const ControlPlace> layout) : layout_(layout), states_(layout.size()) {
  for (std::size_t index = 0; index < layout.size(); ++index) {
    states_[index].shown = !layout[index].hiddenAtStart;
    states_[index].caption = layout[index].caption;
  }
}

std::optional<std::size_t> Screen::find(std::string_view control) const {
  for (std::size_t index = 0; index < layout_.size(); ++index) {
    if (layout_[index].name == control) {
      return index;
    }
  }
  return std::nullopt;
}

std::size_t Screen::indexOf(std::string_view control) const {
  if (const std::optional<std::size_t> index = find(control)) {
    return *index;
  }
  std::fprintf(stderr, "%.*s has no control named %.*s\n",
               static_cast<int>(layout_.front().name.size()), layout_.front().name.data(),
               static_cast<int>(control.size()), control.data());
  std::abort();
}

bool Screen::record(const ControlChange& change) {
  State& state = states_[indexOf(change.control)];
  const auto update = [](auto& held, const auto& value) {
    if (held == value) {
      return false;
    }
    held = value;
    return true;
  };
  using enum ControlChange::What;
  switch (change.what) {
    case Shown:
      return update(state.shown, change.on);
    case Covered:
      return update(state.covered, change.on);
    case Locked:
      return update(state.locked, std::optional(change.on));
    case Checked:
      return update(state.checked, std::optional(change.on));
    case Caption:
      return update(state.caption, change.text);
    case Selected:
      return update(state.selected, std::optional(change.index));
    case Picture:
    case Focus:
      return true;
  }
  return true;
}

void Screen::publish(ControlChange change) {
  if (!record(change)) {
    return;
  }
  if (listener_) {
    listener_(change);
  }
  const ControlPlace& place = layout_[indexOf(change.control)];
  if (change.what == ControlChange::What::Shown && place.kind == ControlKind::Panel) {
    coverUnderPanels(place.parent);
  }
}

void Screen::coverUnderPanels(std::string_view parent) {
  for (std::size_t index = 0; index < layout_.size(); ++index) {
    const ControlPlace& control = layout_[index];
    if (control.parent != parent || control.kind == ControlKind::Panel) {
      continue;
    }
    bool covered = false;
    for (std::size_t panel = 0; panel < layout_.size(); ++panel) {
      covered = covered ||
                (layout_[panel].kind == ControlKind::Panel && layout_[panel].parent == parent &&
                 states_[panel].shown && liesWhollyUnder(control, layout_[panel]));
    }
    publish(switched(std::string(control.name), ControlChange::What::Covered, covered));
  }
}

void Screen::show(std::string_view control, bool shown) {
  publish(switched(std::string(control), ControlChange::What::Shown, shown));
}

void Screen::lock(std::string_view control, bool locked) {
  publish(switched(std::string(control), ControlChange::What::Locked, locked));
}

void Screen::check(std::string_view control, bool checked) {
  publish(switched(std::string(control), ControlChange::What::Checked, checked));
}

void Screen::caption(std::string_view control, const std::string& text) {
  publish(captioned(std::string(control), text));
}

void Screen::select(std::string_view control, int index) {
  publish(selected(std::string(control), index));
}

void Screen::picture(std::string_view control, const Image24& picture) {
  publish(pictured(std::string(control), picture));
}

void Screen::focus(std::string_view control) {
  publish(focused(std::string(control)));
}

void Screen::heard(const ControlChange& change) {
  record(change);
}

bool Screen::shown(std::string_view control) const {
  return states_[indexOf(control)].shown;
}

bool Screen::covered(std::string_view control) const {
  return states_[indexOf(control)].covered;
}

bool Screen::locked(std::string_view control) const {
  return states_[indexOf(control)].locked.value_or(false);
}

const std::string& Screen::caption(std::string_view control) const {
  return states_[indexOf(control)].caption;
}

bool Screen::reachable(std::string_view control) const {
  std::optional<std::size_t> index = find(control);
  if (!index) {
    return false;
  }
  for (; index; index = find(layout_[*index].parent)) {
    if (!states_[*index].shown || states_[*index].covered) {
      return false;
    }
  }
  return true;
}

}  // namespace vantoki
