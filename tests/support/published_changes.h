// What a screen publishes to its shell, kept as a shell would see it: every change in order, and
// the last one of each kind for each control.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "screen/control_change.h"

namespace vantoki::testing {

class PublishedChanges {
 public:
  ChangeListener listener() {
    return [this](const ControlChange& change) {
      changes.push_back(change);
      last_[{change.control, change.what}] = change;
    };
  }

  // The last change of `what` published for `control`, if any.
  std::optional<ControlChange> last(const std::string& control, ControlChange::What what) const {
    const auto found = last_.find({control, what});
    return found == last_.end() ? std::nullopt : std::optional(found->second);
  }
  bool on(const std::string& control, ControlChange::What what) const {
    const std::optional<ControlChange> change = last(control, what);
    return change && change->on;
  }
  std::string caption(const std::string& control) const {
    const std::optional<ControlChange> change = last(control, ControlChange::What::Caption);
    return change ? change->text : std::string();
  }

  std::vector<ControlChange> changes;

 private:
  std::map<std::pair<std::string, ControlChange::What>, ControlChange> last_;
};

}  // namespace vantoki::testing
