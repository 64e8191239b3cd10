// Finding a control of a window or dialog under test by the object name the game gives it; a
// missing control ends the test run with its name, since every later step would fail obscurely.
#pragma once

#include <QString>
#include <QWidget>

namespace vantoki::testing {

template <typename Control = QWidget>
Control* findControl(const QWidget* root, const QString& name) {
  auto* found = root->findChild<Control*>(name);
  if (found == nullptr) {
    qFatal("no control named %s", qPrintable(name));
  }
  return found;
}

}  // namespace vantoki::testing
