#include "widgets/controls.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

#include "widgets/application_style.h"

namespace vantoki {

QString fromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void widenToText(QLabel* label) {
  const double textWidth = QFontMetricsF(label->font()).horizontalAdvance(label->text());
  label->resize(std::max(label->width(), static_cast<int>(std::ceil(textWidth))), label->height());
}

LayoutBuilder::LayoutBuilder(QWidget* window, std::span<const ControlPlace> layout)
    : window_(window), layout_(layout) {
  const ControlPlace& own = layout.front();
  window->setObjectName(fromView(own.name));
  window->setFixedSize(own.width, own.height);
  QPalette colors = window->palette();
  colors.setColor(QPalette::Window, kWindowColor);
  window->setPalette(colors);
  window->setAutoFillBackground(true);
}

QWidget* LayoutBuilder::parentOf(const ControlPlace& place) const {
  const QString parent = fromView(place.parent);
  if (parent == window_->objectName()) {
    return window_;
  }
  auto* frame = window_->findChild<QWidget*>(parent);
  if (frame == nullptr) {
    qFatal("%s stands in %s, which is not built yet", qPrintable(fromView(place.name)),
           qPrintable(parent));
  }
  return frame;
}

QPushButton* LayoutBuilder::button(std::string_view name, const QString& caption) {
  auto* control = add<QPushButton>(name, caption);
  QPalette colors = control->palette();
  colors.setColor(QPalette::Button, kButtonColor);
  control->setPalette(colors);
  control->setAutoFillBackground(true);
  return control;
}

QLabel* LayoutBuilder::label(std::string_view name, const QString& caption) {
  return add<QLabel>(name, caption);
}

QGroupBox* LayoutBuilder::frame(std::string_view name, const QString& caption) {
  auto* control = add<QGroupBox>(name, caption);
  control->setAutoFillBackground(true);
  return control;
}

QLineEdit* LayoutBuilder::nameBox(std::string_view name) {
  auto* control = add<QLineEdit>(name);
  control->setFont(gothicFont(12, true));
  setNameBoxLocked(control, true);
  return control;
}

void setNameBoxLocked(QLineEdit* box, bool locked) {
  box->setReadOnly(locked);
  box->setFocusPolicy(locked ? Qt::NoFocus : Qt::StrongFocus);
  QPalette colors = box->palette();
  colors.setColor(QPalette::Base, locked ? kLockedTextColor : kEditableTextColor);
  box->setPalette(colors);
}

}  // namespace vantoki
