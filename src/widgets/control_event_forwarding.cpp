#include "widgets/control_event_forwarding.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

#include <string>

#include "widgets/link_label.h"
#include "widgets/picture_box.h"

namespace vantoki {

void forwardControlEvents(QWidget* window, ControlEvents& events) {
  const auto nameOf = [](const QObject* control) { return control->objectName().toStdString(); };
  for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
    QObject::connect(button, &QAbstractButton::clicked, window,
                     [&events, button, name = nameOf(button)](bool checked) {
                       if (button->isCheckable()) {
                         const QSignalBlocker taken(button);
                         button->setChecked(!checked);
                       }
                       events.click(name);
                     });
  }
  for (LinkLabel* link : window->findChildren<LinkLabel*>()) {
    QObject::connect(link, &LinkLabel::clicked, window,
                     [&events, name = nameOf(link)] { events.click(name); });
  }
  for (PictureBox* picture : window->findChildren<PictureBox*>()) {
    const std::string name = nameOf(picture);
    QObject::connect(picture, &PictureBox::mousePressed, window,
                     [&events, name](int button, QPointF position) {
                       events.press(name, button, position.x(), position.y());
                     });
    QObject::connect(picture, &PictureBox::mouseMoved, window,
                     [&events, name](int buttons, QPointF position) {
                       events.drag(name, buttons, position.x(), position.y());
                     });
    QObject::connect(picture, &PictureBox::mouseReleased, window,
                     [&events, name](int) { events.release(name); });
  }
  for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
    QObject::connect(box, &QLineEdit::textEdited, window,
                     [&events, name = nameOf(box)](const QString& text) {
                       events.editText(name, text.toStdString());
                     });
  }
  for (QComboBox* list : window->findChildren<QComboBox*>()) {
    QObject::connect(list, &QComboBox::currentIndexChanged, window,
                     [&events, name = nameOf(list)](int index) { events.chooseItem(name, index); });
  }
  for (QListWidget* list : window->findChildren<QListWidget*>()) {
    const std::string name = nameOf(list);
    QObject::connect(list, &QListWidget::currentRowChanged, window,
                     [&events, name](int row) { events.chooseItem(name, row); });
    QObject::connect(
        list, &QListWidget::itemDoubleClicked, window,
        [&events, list, name](QListWidgetItem* item) { events.openItem(name, list->row(item)); });
  }
  QObject::connect(qApp, &QApplication::focusChanged, window,
                   [&events, window](QWidget*, QWidget* now) {
                     if (now != nullptr && now->window() == window) {
                       events.focusMoved(now->objectName().toStdString());
                     }
                   });
}

}  // namespace vantoki
