// Moving the focus through a window as a player does, with Tab or Shift+Tab sent to the control
// that has it, and the object names of the controls the focus lands on.
#pragma once

#include <QStringList>
#include <QTest>
#include <QWidget>

namespace vantoki::testing {

inline QStringList focusWalk(QWidget* window, qsizetype presses, bool backwards) {
  QStringList visited;
  for (qsizetype press = 0; press < presses; ++press) {
    QWidget* focused = window->focusWidget();
    QTest::keyClick(focused != nullptr ? focused : window,
                    backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                    backwards ? Qt::ShiftModifier : Qt::NoModifier);
    visited << (window->focusWidget() != nullptr ? window->focusWidget()->objectName() : QString());
  }
  return visited;
}

// Tab from the last control of `order` goes round it to the last again; Shift+Tab goes back the
// same way.
inline void checkTabOrder(QWidget* window, const QStringList& order) {
  QWidget* last = window->findChild<QWidget*>(order.last());
  QVERIFY2(last != nullptr, qPrintable(order.last()));
  last->setFocus(Qt::TabFocusReason);
  QCOMPARE(focusWalk(window, order.size(), false), order);
  QStringList backwards(order.rbegin() + 1, order.rend());
  backwards << order.last();
  QCOMPARE(focusWalk(window, order.size(), true), backwards);
}

}  // namespace vantoki::testing
