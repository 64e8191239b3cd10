#include "page_arrangement.h"

#include <string>

#include "layout/compact_arrangement.h"
#include "layout/layout_table.h"
#include "page_controls.h"

namespace vantoki {
namespace {

using emscripten::val;

const char* shapeName(CompactShape shape) {
  switch (shape) {
    case CompactShape::Row:
      return "row";
    case CompactShape::Column:
      return "column";
    case CompactShape::Line:
      return "line";
    case CompactShape::Cross:
      return "cross";
    case CompactShape::Grid:
      return "grid";
  }
  return "row";
}

const char* placeName(CompactPlace place) {
  switch (place) {
    case CompactPlace::Pad:
      return "pad";
    case CompactPlace::Sheet:
      return "sheet";
    case CompactPlace::OverBoard:
      return "over-board";
    case CompactPlace::OverPad:
      return "over-pad";
  }
  return "pad";
}

val groupForPage(const CompactGroup& group) {
  const std::string_view window = mainWindowLayout().front().name;
  val controls = val::array();
  for (const std::string_view control : group.controls) {
    controls.call<void>("push", elementId(window, control));
  }
  val parts = val::array();
  for (const CompactGroup& part : group.parts) {
    parts.call<void>("push", groupForPage(part));
  }
  val page = val::object();
  page.set("shape", shapeName(group.shape));
  page.set("columns", group.columns);
  page.set("holdsMenu", group.holdsMenu);
  page.set("controls", controls);
  page.set("parts", parts);
  return page;
}

}  // namespace

val compactArrangementForPage() {
  const CompactArrangement& arrangement = mainWindowCompactArrangement();
  val bands = val::array();
  for (const CompactBand& band : arrangement.bands) {
    val page = val::object();
    page.set("place", placeName(band.place));
    page.set("yields", band.yields);
    page.set("group", groupForPage(band.group));
    bands.call<void>("push", page);
  }
  val page = val::object();
  page.set("board", elementId(mainWindowLayout().front().name, arrangement.board));
  page.set("bands", bands);
  page.set("uprightBoardShare", arrangement.uprightBoardShare);
  page.set("turnedBoardShare", arrangement.turnedBoardShare);
  page.set("menuCaption", std::string(kMenuCaption));
  page.set("closeCaption", std::string(kCloseSheetCaption));
  return page;
}

}  // namespace vantoki
