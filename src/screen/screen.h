// What every control of one window shows now, and the one place its changes are published from.
// It starts as the window's layout table builds it (each control shown unless hidden at start, its
// caption the table's) and records every change after; a change that alters nothing is not
// published again. It knows what lies under a panel: while a panel shows, the controls of its own
// frame that lie wholly under it are covered. A control is within reach while it and every frame
// it stands in show and none of them is covered.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "layout/layout_table.h"
#include "screen/control_change.h"

namespace vantoki {

class Screen {
 public:
  explicit Screen(std::span<const ControlPlace> layout);

  std::span<const ControlPlace> layout() const { return layout_; }
  // Hears every change published from now on; none before.
  void setListener(ChangeListener listener) { listener_ = std::move(listener); }

  void show(std::string_view control, bool shown);
  void lock(std::string_view control, bool locked);
  void check(std::string_view control, bool checked);
  void caption(std::string_view control, const std::string& text);
  void select(std::string_view control, int index);
  // Published every time: the pixels may have changed where the picture object did not.
  void picture(std::string_view control, const Image24& picture);
  void focus(std::string_view control);
  // What a control already shows by the player's own doing (a name box typed into, an item
  // chosen): recorded, not published back to it.
  void heard(const ControlChange& change);

  bool shown(std::string_view control) const;
  bool covered(std::string_view control) const;
  bool locked(std::string_view control) const;
  const std::string& caption(std::string_view control) const;
  // False for a name the layout lacks.
  bool reachable(std::string_view control) const;

 private:
  struct State {
    bool shown = true;
    bool covered = false;
    std::optional<bool> locked;
    std::optional<bool> checked;
    std::string caption;
    std::optional<int> selected;
  };

  std::optional<std::size_t> find(std::string_view control) const;
  // The index of a control in the layout; a name the layout lacks is a mistake in the program.
  std::size_t indexOf(std::string_view control) const;
  void publish(ControlChange change);
  // Covers or uncovers what lies under each panel of the frame `parent`.
  void coverUnderPanels(std::string_view parent);
  // Records `change` and says whether it altered what the control shows.
  bool record(const ControlChange& change);

  std::span<const ControlPlace> layout_;
  std::vector<State> states_;
  ChangeListener listener_;
};

}  // namespace vantoki
