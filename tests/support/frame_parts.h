// Where the application's style puts the parts of a frame (a QGroupBox): its border, its caption,
// the room inside both, in the frame's own coordinates.
#pragma once

#include <QApplication>
#include <QGroupBox>
#include <QStyleOptionGroupBox>

namespace vantoki::testing {

inline QRect framePart(const QGroupBox* frame, QStyle::SubControl part) {
  QStyleOptionGroupBox option;
  option.initFrom(frame);
  option.text = frame->title();
  option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
  return frame->style()->subControlRect(QStyle::CC_GroupBox, &option, part, frame);
}

}  // namespace vantoki::testing
