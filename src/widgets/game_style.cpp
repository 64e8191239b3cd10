#include "widgets/game_style.h"

#include <QPainter>
#include <QStyleOption>

#include <algorithm>

namespace vantoki {
namespace {

// A button's bevel and a frame's etched border are two lines of one pixel each.
constexpr int kEdgeWidth = 2;
// The focus frame keeps one pixel of face between itself and the bevel.
constexpr int kFocusFrameInset = kEdgeWidth + 1;
// The caption stands this far in from the frame's left edge, with a gap in the border either side
// of its text.
constexpr int kCaptionIndent = 6;
constexpr int kCaptionGap = 2;

// The top and left lines of `rect` in `topLeft`, its bottom and right lines in `bottomRight`,
// which takes the two corners the lines share.
void shadeEdges(QPainter* painter, const QRect& rect, const QColor& topLeft,
                const QColor& bottomRight) {
  painter->fillRect(rect.left(), rect.top(), rect.width(), 1, topLeft);
  painter->fillRect(rect.left(), rect.top(), 1, rect.height(), topLeft);
  painter->fillRect(rect.left(), rect.bottom(), rect.width(), 1, bottomRight);
  painter->fillRect(rect.right(), rect.top(), 1, rect.height(), bottomRight);
}

void drawFocusFrame(QPainter* painter, const QRect& frame, const QColor& color) {
  const QBrush dots(color, Qt::Dense4Pattern);
  painter->fillRect(frame.left(), frame.top(), frame.width(), 1, dots);
  painter->fillRect(frame.left(), frame.bottom(), frame.width(), 1, dots);
  painter->fillRect(frame.left(), frame.top(), 1, frame.height(), dots);
  painter->fillRect(frame.right(), frame.top(), 1, frame.height(), dots);
}

void drawButtonPanel(QPainter* painter, const QStyleOption& option) {
  const QPalette& colors = option.palette;
  const QRect inner = option.rect.adjusted(1, 1, -1, -1);
  painter->fillRect(option.rect, colors.button());
  if (option.state & (QStyle::State_Sunken | QStyle::State_On)) {
    shadeEdges(painter, option.rect, colors.dark().color(), colors.light().color());
    shadeEdges(painter, inner, colors.shadow().color(), colors.midlight().color());
  } else {
    shadeEdges(painter, option.rect, colors.light().color(), colors.shadow().color());
    shadeEdges(painter, inner, colors.midlight().color(), colors.dark().color());
  }
  // Not after every click: only once the keyboard has moved the focus in the window.
  if ((option.state & QStyle::State_HasFocus) &&
      (option.state & QStyle::State_KeyboardFocusChange)) {
    drawFocusFrame(painter,
                   option.rect.adjusted(kFocusFrameInset, kFocusFrameInset, -kFocusFrameInset,
                                        -kFocusFrameInset),
                   colors.buttonText().color());
  }
}

int captionHeight(const QStyleOptionGroupBox& box) {
  return box.text.isEmpty() ? 0 : box.fontMetrics.height();
}

}  // namespace

GameStyle::GameStyle() : QProxyStyle("Fusion") {}

void GameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const {
  if (element == PE_PanelButtonCommand) {
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (button != nullptr && !(button->features & QStyleOptionButton::Flat)) {
      drawButtonPanel(painter, *option);
      return;
    }
  }
  QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void GameStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                   QPainter* painter, const QWidget* widget) const {
  const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
  if (control != CC_GroupBox || box == nullptr) {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    return;
  }
  const QPalette& colors = box->palette;
  const QRect frame = proxy()->subControlRect(CC_GroupBox, box, SC_GroupBoxFrame, widget);
  shadeEdges(painter, frame, colors.dark().color(), colors.light().color());
  shadeEdges(painter, frame.adjusted(1, 1, -1, -1), colors.light().color(), colors.dark().color());
  if (!box->text.isEmpty()) {
    const QRect caption = proxy()->subControlRect(CC_GroupBox, box, SC_GroupBoxLabel, widget);
    painter->fillRect(caption, colors.window());
    proxy()->drawItemText(painter, caption, Qt::AlignCenter, colors, box->state & State_Enabled,
                          box->text, QPalette::WindowText);
  }
}

QRect GameStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                SubControl part, const QWidget* widget) const {
  const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
  if (control != CC_GroupBox || box == nullptr) {
    return QProxyStyle::subControlRect(control, option, part, widget);
  }
  const QRect& whole = box->rect;
  const int caption = captionHeight(*box);
  switch (part) {
    case SC_GroupBoxFrame:
      return whole.adjusted(0, caption / 2, 0, 0);
    case SC_GroupBoxLabel:
      if (caption == 0) {
        return {};
      }
      return {whole.left() + kCaptionIndent, whole.top(),
              box->fontMetrics.horizontalAdvance(box->text) + 2 * kCaptionGap, caption};
    case SC_GroupBoxContents:
      return whole.adjusted(kEdgeWidth, std::max(kEdgeWidth + caption / 2, caption), -kEdgeWidth,
                            -kEdgeWidth);
    default:
      return QProxyStyle::subControlRect(control, option, part, widget);
  }
}

}  // namespace vantoki
