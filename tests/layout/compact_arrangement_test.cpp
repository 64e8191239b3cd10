// The main window's compact arrangement against its layout table: a control it leaves out would
// be out of a phone player's reach, one it names twice would stand in two places at once.
#include "layout/compact_arrangement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string_view>

#include "layout/layout_table.h"

namespace vantoki {
namespace {

void countNamed(const CompactGroup& group, std::map<std::string_view, int>& named) {
  for (const std::string_view control : group.controls) {
    ++named[control];
  }
  for (const CompactGroup& part : group.parts) {
    countNamed(part, named);
  }
}

// Whether a frame `control` stands in, or the control itself, is named: it then stands whole.
bool standsWhole(std::string_view control, const std::map<std::string_view, int>& named) {
  for (std::string_view each = control; !each.empty();
       each = placeOf(mainWindowLayout(), each).parent) {
    if (each != control && named.contains(each)) {
      return true;
    }
  }
  return false;
}

// A frame not named only holds its controls together, which stand where they are named.
bool holdsOthers(const ControlPlace& place) {
  return (place.kind == ControlKind::Frame || place.kind == ControlKind::Panel) &&
         std::ranges::any_of(mainWindowLayout(),
                             [&](const ControlPlace& other) { return other.parent == place.name; });
}

TEST(CompactArrangementTest, EveryControlOfTheMainWindowStandsInItOnce) {
  const CompactArrangement& arrangement = mainWindowCompactArrangement();
  std::map<std::string_view, int> named{{arrangement.board, 1}};
  for (const CompactBand& band : arrangement.bands) {
    countNamed(band.group, named);
  }
  for (const auto& [control, times] : named) {
    SCOPED_TRACE(control);
    EXPECT_EQ(times, 1);
    EXPECT_TRUE(std::ranges::any_of(mainWindowLayout(), [&](const ControlPlace& place) {
      return place.name == control;
    })) << "the main window has no such control";
    EXPECT_FALSE(standsWhole(control, named)) << "it stands in a frame named whole";
  }
  for (const ControlPlace& place : mainWindowLayout().subspan(1)) {
    SCOPED_TRACE(place.name);
    EXPECT_TRUE(named.contains(place.name) || standsWhole(place.name, named) || holdsOthers(place));
  }
}

}  // namespace
}  // namespace vantoki
