#include "layout/compact_arrangement.h"

#include <utility>

namespace vantoki {
namespace {

using enum CompactShape;

CompactGroup group(CompactShape shape, std::vector<std::string_view> controls) {
  CompactGroup group;
  group.shape = shape;
  group.controls = std::move(controls);
  return group;
}

CompactGroup parts(CompactShape shape, std::vector<CompactGroup> parts) {
  CompactGroup group;
  group.shape = shape;
  group.parts = std::move(parts);
  return group;
}

CompactGroup grid(int columns, std::vector<std::string_view> controls) {
  CompactGroup group = vantoki::group(Grid, std::move(controls));
  group.columns = columns;
  return group;
}

CompactGroup holdingMenu(CompactGroup group) {
  group.holdsMenu = true;
  return group;
}

CompactBand band(CompactPlace place, CompactGroup group, bool yields = false) {
  CompactBand band;
  band.place = place;
  band.group = std::move(group);
  band.yields = yields;
  return band;
}

CompactArrangement makeMainWindowArrangement() {
  CompactArrangement arrangement;
  arrangement.board = "MapPic";
  arrangement.bands = {
      // The thumbs' band: the history back and the turn counter under the left thumb, the
      // directions in the middle with the menu in a corner, the history forward on the right.
      band(CompactPlace::Pad,
           parts(Row, {parts(Column, {group(Column, {"Command5(0)", "Command5(1)", "Label2"}),
                                      group(Line, {"Label5", "Label6", "Label3"})}),
                       holdingMenu(group(
                           Cross, {"Picture4(1)", "Picture4(0)", "Picture4(2)", "Picture4(3)"})),
                       group(Column, {"Command5(2)", "Command5(3)"})})),
      // The editor's palette and the tiles of the two buttons.
      band(CompactPlace::Pad,
           parts(Row, {group(Row, {"Picture1"}), group(Column, {"Frame2", "Frame3"})})),
      // The stages and the speed, which go to the sheet together on a short screen.
      band(CompactPlace::Pad,
           holdingMenu(parts(Row, {grid(5, {"Option1(0)", "Option1(1)", "Option1(2)", "Option1(3)",
                                            "Option1(4)", "Option1(5)", "Option1(6)", "Option1(7)",
                                            "Option1(8)", "Option1(9)"}),
                                   group(Column, {"Label8", "Combo1"})})),
           true),
      band(CompactPlace::Pad, holdingMenu(group(Row, {"Command1"}))),
      // What a player needs now and then: the names, the files, the editor and the About box.
      band(CompactPlace::Sheet,
           parts(Column, {group(Row, {"Label4", "Text2"}), group(Row, {"Label1", "Text1"}),
                          grid(2, {"Command2", "Command4", "Command6", "Command3", "Command9",
                                   "Command7"})})),
      band(CompactPlace::OverBoard, group(Row, {"Frame7"})),
      band(CompactPlace::OverPad, group(Row, {"Frame6"})),
  };
  arrangement.uprightBoardShare = 0.9;
  arrangement.turnedBoardShare = 0.85;
  return arrangement;
}

}  // namespace

const CompactArrangement& mainWindowCompactArrangement() {
  static const CompactArrangement arrangement = makeMainWindowArrangement();
  return arrangement;
}

}  // namespace vantoki
