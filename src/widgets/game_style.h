// The game's own look over Fusion, drawn as the layout table's windows expect it. A push button's
// face is one flat fill of its palette's button colour inside a two-pixel bevel: raised, sunken
// while pressed and while checked; once the keyboard has moved the focus in its window, the
// focused button shows a dotted focus frame inside the bevel. A frame (group box) leaves its
// interior to the window colour the widget fills it with and draws a two-pixel etched border
// whose top line runs through the middle of its caption; the room inside the border starts below
// the caption, so what the table places there stays clear of both. A frame without a caption has
// its border along its own edge. Every edge is a run of whole logical pixels, so a scaled screen
// shows the same picture enlarged. Everything else is Fusion's.
#pragma once

#include <QProxyStyle>

namespace vantoki {

class GameStyle : public QProxyStyle {
 public:
  GameStyle();

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                          QPainter* painter, const QWidget* widget = nullptr) const override;
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace vantoki
