// A picture box: shows one picture at its top-left corner, unscaled, and reports mouse presses,
// moves and releases with the button and the position in its own pixels.
#pragma once

#include <QImage>
#include <QWidget>

namespace vantoki {

class PictureBox : public QWidget {
  Q_OBJECT

 public:
  explicit PictureBox(QWidget* parent = nullptr);

  void setPicture(const QImage& picture);
  const QImage& picture() const { return picture_; }

 signals:
  // Buttons as the editor counts them (platform/mouse_buttons.h): 1 left, 2 right, 4 middle.
  void mousePressed(int button, QPointF position);
  void mouseMoved(int buttons, QPointF position);
  void mouseReleased(int button);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage picture_;
};

}  // namespace vantoki
