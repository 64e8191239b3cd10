#include "widgets/controls.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QListWidget>
#include <QRadioButton>

#include <algorithm>
#include <cmath>

#include "view/strip_loader.h"
#include "widgets/application_style.h"
#include "widgets/link_label.h"
#include "widgets/picture_box.h"

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
  if (!own.caption.empty()) {
    window->setWindowTitle(fromView(own.caption));
  }
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

void LayoutBuilder::buildEveryControl() {
  for (const ControlPlace& place : layout_.subspan(1)) {
    build(place);
  }
}

namespace {

Qt::Alignment alignmentOf(const ControlStyle& style) {
  switch (style.align) {
    case TextAlign::Centre:
      return Qt::AlignCenter;
    case TextAlign::Right:
      return Qt::AlignRight | Qt::AlignVCenter;
    case TextAlign::Left:
      break;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

// What the table says of the control's text beyond its kind's look.
void applyStyle(QWidget* control, const ControlStyle& style) {
  QPalette colors = control->palette();
  if (style.textColor) {
    colors.setColor(QPalette::WindowText, QColor::fromRgb(*style.textColor));
  }
  if (style.groundColor) {
    colors.setColor(QPalette::Window, QColor::fromRgb(*style.groundColor));
  }
  control->setPalette(colors);
  if (style.pointSize > 0) {
    control->setFont(gothicFont(style.pointSize, style.bold));
  }
  if (auto* label = qobject_cast<QLabel*>(control)) {
    label->setAlignment(alignmentOf(style));
    label->setWordWrap(style.wraps);
  }
}

}  // namespace

void LayoutBuilder::build(const ControlPlace& place) {
  const QString caption = fromView(place.caption);
  QWidget* control = nullptr;
  switch (place.kind) {
    case ControlKind::Window:
      qFatal("%s is a window inside a window", qPrintable(fromView(place.name)));
    case ControlKind::Label:
      control = label(place.name, caption);
      break;
    case ControlKind::Frame:
    case ControlKind::Panel:
      control = frame(place.name, caption);
      break;
    case ControlKind::Link:
      control = add<LinkLabel>(place.name, caption);
      break;
    case ControlKind::Button:
      control = button(place.name, caption);
      break;
    case ControlKind::DefaultButton: {
      QPushButton* chosen = button(place.name, caption);
      chosen->setDefault(true);
      control = chosen;
      break;
    }
    case ControlKind::StageOption: {
      QPushButton* option = button(place.name, caption);
      option->setCheckable(true);
      control = option;
      break;
    }
    case ControlKind::NameBox:
      control = nameBox(place.name);
      break;
    case ControlKind::TextBox:
      control = add<QLineEdit>(place.name);
      break;
    case ControlKind::ListBox:
      control = add<QListWidget>(place.name);
      break;
    case ControlKind::Picture:
      control = add<PictureBox>(place.name);
      // A picture shows no caption; one that acts as a button is named by it.
      control->setAccessibleName(caption);
      break;
    case ControlKind::Icon: {
      auto* icon = add<PictureBox>(place.name);
      icon->setPicture(loadWindowIcon());
      control = icon;
      break;
    }
    case ControlKind::List:
      control = add<QComboBox>(place.name);
      break;
    case ControlKind::Radio:
      control = add<QRadioButton>(place.name, caption);
      break;
  }
  applyStyle(control, place.style);
  control->setToolTip(fromView(place.tooltip));
  if (!place.labelledBy.empty()) {
    if (auto* label = qobject_cast<QLabel*>(namedControl(place.labelledBy))) {
      label->setBuddy(control);
    }
  }
  if (place.hiddenAtStart) {
    control->hide();
  }
}

QWidget* LayoutBuilder::namedControl(std::string_view name) const {
  return window_->findChild<QWidget*>(fromView(name));
}

void LayoutBuilder::missing(std::string_view name) {
  qFatal("no control of the expected kind is named %s", qPrintable(fromView(name)));
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
