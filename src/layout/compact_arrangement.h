// How a window's controls are arranged on a screen too small, or too coarse for a finger, for its
// layout table: the same controls, with the table's kinds, captions and visibility, grouped for
// the thumbs. Only the page uses it; the window's own shells keep the table's places.
//
// The main window's arrangement is a list of bands, each a tree of rows and columns of its
// controls. A band stands in the pad, under the board held upright and beside it turned, or in a
// sheet one tap away from the pad; a band that yields goes to the sheet when the pad has no room
// for it, the last such band first. A panel stands over the board or over the pad, its own
// controls in it in their table's proportions. A frame named in a group stands there whole, with
// its own controls at their table's places; every other frame only holds its controls together,
// so that what hides or covers it still hides or covers them. Every control a player sees is
// named once.
//
// The dialogs need no arrangement of their own: on such a screen they run down the screen in
// their table's order, which already reads as they should.
#pragma once

#include <string_view>
#include <vector>

namespace vantoki {

enum class CompactShape {
  Row,     // side by side, centred
  Column,  // one under another
  Line,    // labels that read as one line of text
  Cross,   // four direction buttons, as the arrow keys lie: up, left, right, down
  Grid,    // rows of `columns`
};

enum class CompactPlace { Pad, Sheet, OverBoard, OverPad };

struct CompactGroup {
  CompactShape shape = CompactShape::Row;
  std::vector<std::string_view> controls;  // object names, for a group without parts
  std::vector<CompactGroup> parts;
  int columns = 0;  // a grid's
  // The pad's menu button, which opens the sheet, stands at the end of the first group shown
  // that holds it.
  bool holdsMenu = false;
};

struct CompactBand {
  CompactPlace place = CompactPlace::Pad;
  CompactGroup group;
  bool yields = false;  // goes to the sheet when the pad has no room for it
};

struct CompactArrangement {
  std::string_view board;  // the picture that takes what the pad leaves of the screen
  std::vector<CompactBand> bands;
  // The board's least share of the screen's width held upright and of its height turned; the pad
  // gives up groups to the sheet rather than shrink the board further.
  double uprightBoardShare = 0;
  double turnedBoardShare = 0;
};

const CompactArrangement& mainWindowCompactArrangement();

// The captions of the pad's menu button and of the sheet's own close button.
inline constexpr std::string_view kMenuCaption = "メニュー";
inline constexpr std::string_view kCloseSheetCaption = "閉じる";

}  // namespace vantoki
