#include "widgets/link_label.h"

#include <QMouseEvent>

#include "widgets/application_style.h"

namespace vantoki {
namespace {

const QColor kLinkColor(0, 0, 255);

}  // namespace

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  QFont font = gothicFont(9, false);
  font.setUnderline(true);
  setFont(font);
  QPalette colors = palette();
  colors.setColor(QPalette::WindowText, kLinkColor);
  setPalette(colors);
  setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  // A press dragged off the label and released elsewhere is no click.
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
  QLabel::mouseReleaseEvent(event);
}

}  // namespace vantoki
