// A dialog as data: its controls are those of its layout table, its behaviour a controller that
// takes the events of its controls and answers with changes of its screen, until it closes. A
// shell builds the dialog's window from layout(), applies what screen() publishes, hands on every
// event, and ends the dialog as soon as closed() is true, or when the player closes its window,
// which leaves the controller's answer as it stands: the one that changes nothing, unless a
// click before said otherwise.
#pragma once

#include <span>

#include "layout/layout_table.h"
#include "screen/control_events.h"
#include "screen/screen.h"

namespace vantoki {

class DialogController : public ControlEvents {
 public:
  explicit DialogController(std::span<const ControlPlace> layout) : screen_(layout) {}

  std::span<const ControlPlace> layout() const { return screen_.layout(); }
  Screen& screen() { return screen_; }
  // Publishes what the dialog shows beyond its layout table, once the shell has built it.
  virtual void opened() {}
  bool closed() const { return closed_; }

 protected:
  void close() { closed_ = true; }

  Screen screen_;

 private:
  bool closed_ = false;
};

}  // namespace vantoki
