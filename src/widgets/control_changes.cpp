#include "widgets/control_changes.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStyle>

#include "view/qimage_bridge.h"
#include "widgets/controls.h"
#include "widgets/picture_box.h"

namespace vantoki {
namespace {

QWidget* controlNamed(QWidget* window, const std::string& name) {
  const QString objectName = QString::fromStdString(name);
  QWidget* control =
      window->objectName() == objectName ? window : window->findChild<QWidget*>(objectName);
  if (control == nullptr) {
    qFatal("%s has no control named %s", qPrintable(window->objectName()), qPrintable(objectName));
  }
  return control;
}

// One item a line; a line that ends in "/" is a folder, which shows with a folder's picture.
void showItems(QListWidget* items, const QString& lines) {
  const QSignalBlocker shownOnly(items);
  items->clear();
  const QIcon folder = items->style()->standardIcon(QStyle::SP_DirIcon);
  const QIcon file = items->style()->standardIcon(QStyle::SP_FileIcon);
  for (const QString& line : lines.split('\n', Qt::SkipEmptyParts)) {
    const bool isFolder = line.endsWith('/');
    new QListWidgetItem(isFolder ? folder : file, isFolder ? line.chopped(1) : line, items);
  }
}

void setCaption(QWidget* window, QWidget* control, const QString& text) {
  if (control == window) {
    window->setWindowTitle(text);
  } else if (auto* label = qobject_cast<QLabel*>(control)) {
    label->setText(text);
  } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    button->setText(text);
  } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
    frame->setTitle(text);
  } else if (auto* box = qobject_cast<QLineEdit*>(control)) {
    // Set only when it differs, so that the cursor stays where the player left it.
    if (box->text() != text) {
      box->setText(text);
    }
  } else if (auto* list = qobject_cast<QComboBox*>(control)) {
    const QSignalBlocker shownOnly(list);
    list->clear();
    list->addItems(text.split('\n', Qt::SkipEmptyParts));
  } else if (auto* items = qobject_cast<QListWidget*>(control)) {
    showItems(items, text);
  }
}

void select(QWidget* control, int index) {
  const QSignalBlocker shownOnly(control);
  if (auto* list = qobject_cast<QComboBox*>(control)) {
    list->setCurrentIndex(index);
  } else if (auto* items = qobject_cast<QListWidget*>(control)) {
    items->setCurrentRow(index);
  }
}

}  // namespace

void applyChange(QWidget* window, const ControlChange& change) {
  QWidget* control = controlNamed(window, change.control);
  using enum ControlChange::What;
  switch (change.what) {
    case Shown:
      control->setVisible(change.on);
      break;
    case Covered:
      control->setEnabled(!change.on);
      break;
    case Locked:
      setNameBoxLocked(qobject_cast<QLineEdit*>(control), change.on);
      break;
    case Checked:
      qobject_cast<QAbstractButton*>(control)->setChecked(change.on);
      break;
    case Caption:
      setCaption(window, control, QString::fromStdString(change.text));
      break;
    case Selected:
      select(control, change.index);
      break;
    case Picture:
      qobject_cast<PictureBox*>(control)->setPicture(toQImage(*change.picture));
      break;
    case Focus:
      control->setFocus();
      if (auto* box = qobject_cast<QLineEdit*>(control)) {
        box->selectAll();
      }
      break;
  }
}

}  // namespace vantoki
