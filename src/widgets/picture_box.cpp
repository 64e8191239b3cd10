#include "widgets/picture_box.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/mouse_buttons.h"

namespace vantoki {
namespace {

int gameButtons(Qt::MouseButtons buttons) {
  return (buttons & Qt::LeftButton ? kLeftMouseButton : 0) |
         (buttons & Qt::RightButton ? kRightMouseButton : 0) |
         (buttons & Qt::MiddleButton ? kMiddleMouseButton : 0);
}

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // On a scaled screen the 40-pixel art is enlarged pixel by pixel: blurred edges would smear it.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.fillRect(rect(), palette().window());
  painter.drawImage(0, 0, picture_);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
  emit mousePressed(gameButtons(event->button()), event->position());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
  emit mouseMoved(gameButtons(event->buttons()), event->position());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
  emit mouseReleased(gameButtons(event->button()));
}

}  // namespace vantoki
