#include "widgets/controls.h"

#include "widgets/application_style.h"

namespace vantoki {

QString arrayName(const char* name, int index) {
  return QString("%1(%2)").arg(name).arg(index);
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                    int width, int height) {
  auto* control = place(new QPushButton(caption, parent), name, left, top, width, height);
  QPalette colors = control->palette();
  colors.setColor(QPalette::Button, kButtonColor);
  control->setPalette(colors);
  control->setAutoFillBackground(true);
  control->setFocusPolicy(Qt::NoFocus);
  return control;
}

QLabel* label(QWidget* parent, const QString& name, const QString& caption, int left, int top,
              int width, int height) {
  return place(new QLabel(caption, parent), name, left, top, width, height);
}

QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                 int width, int height) {
  auto* control = place(new QGroupBox(caption, parent), name, left, top, width, height);
  control->setAutoFillBackground(true);
  return control;
}

QLineEdit* nameBox(QWidget* parent, const QString& name, int left, int top, int width, int height) {
  auto* control = place(new QLineEdit(parent), name, left, top, width, height);
  control->setFont(gothicFont(12, true));
  setNameBoxLocked(control, true);
  return control;
}

void setNameBoxLocked(QLineEdit* box, bool locked) {
  box->setReadOnly(locked);
  QPalette colors = box->palette();
  colors.setColor(QPalette::Base, locked ? kLockedTextColor : kEditableTextColor);
  box->setPalette(colors);
}

void paintWindowBackground(QWidget* window) {
  QPalette colors = window->palette();
  colors.setColor(QPalette::Window, kWindowColor);
  window->setPalette(colors);
  window->setAutoFillBackground(true);
}

}  // namespace vantoki
