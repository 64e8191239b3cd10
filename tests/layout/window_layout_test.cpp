// The game's three windows against the layout table they are built from: every control of the
// table exists under its object name, stands in the window or frame the table names, at the place
// and size it gives (a link may only grow to the right to show its whole text), clear of its
// frame's border and caption, shows the table's caption, its text looks as the table says, it is
// hidden at start where the table says so, and every window has the client size and the title of
// its own entry. Tab visits a dialog's controls in the order of the table.
#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <memory>

#include "app/main_window.h"
#include "control_lookup.h"
#include "dialogs/about_box_controller.h"
#include "dialogs/stage_operations_controller.h"
#include "dialogs/stage_preview.h"
#include "fake_platform.h"
#include "focus_walk.h"
#include "frame_parts.h"
#include "layout/layout_table.h"
#include "view/strip_loader.h"
#include "widgets/application_style.h"
#include "widgets/controls.h"
#include "widgets/dialog_window.h"
#include "widgets/picture_box.h"

namespace vantoki {

class WindowLayoutTest : public QObject {
  Q_OBJECT

 private:
  // What a control shows as its caption, and a picture's, which it shows none of, as it is
  // named for assistive technology; the speed list shows none.
  static QString captionOf(const QWidget* control) {
    if (qobject_cast<const PictureBox*>(control) != nullptr) {
      return control->accessibleName();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
      return button->text();
    }
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
      return label->text();
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
      return frame->title();
    }
    return {};
  }

  void checkAgainstTable(const QWidget* window, std::span<const ControlPlace> layout) {
    const ControlPlace& own = layout.front();
    QCOMPARE(window->objectName(), fromView(own.name));
    QCOMPARE(window->size(), QSize(own.width, own.height));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QCOMPARE(window->windowTitle(), fromView(own.caption));
    for (const ControlPlace& place : layout.subspan(1)) {
      const QString name = fromView(place.name);
      const QWidget* control = testing::findControl(window, name);
      QCOMPARE(control->parentWidget()->objectName(), fromView(place.parent));
      const QRect geometry = control->geometry();
      QCOMPARE(geometry.topLeft(), QPoint(place.left, place.top));
      QCOMPARE(geometry.height(), place.height);
      if (place.kind == ControlKind::Link) {
        QVERIFY2(geometry.width() >= place.width, qPrintable(name));
        QVERIFY2(geometry.right() < control->parentWidget()->width(), qPrintable(name));
      } else {
        QVERIFY2(geometry.width() == place.width, qPrintable(name));
      }
      QCOMPARE(captionOf(control), fromView(place.caption));
      if (!place.labelledBy.empty()) {
        const auto* label =
            qobject_cast<const QLabel*>(testing::findControl(window, fromView(place.labelledBy)));
        QVERIFY2(label != nullptr && label->buddy() == control, qPrintable(name));
      }
      checkStyle(control, place);
      QVERIFY2(control->isHidden() == place.hiddenAtStart, qPrintable(name));
      if (const auto* frame = qobject_cast<const QGroupBox*>(control->parentWidget())) {
        QVERIFY2(testing::framePart(frame, QStyle::SC_GroupBoxContents).contains(geometry),
                 qPrintable(name));
      }
    }
  }

  // The look the table gives a control's text: its colours, its size and weight, where it stands
  // in the control, and whether it wraps.
  static void checkStyle(const QWidget* control, const ControlPlace& place) {
    const ControlStyle& style = place.style;
    const char* name = place.name.data();
    if (style.textColor) {
      QCOMPARE(control->palette().color(QPalette::WindowText), QColor::fromRgb(*style.textColor));
    }
    if (style.groundColor) {
      QCOMPARE(control->palette().color(QPalette::Window), QColor::fromRgb(*style.groundColor));
    }
    if (style.pointSize > 0) {
      QCOMPARE(control->font().pointSizeF(), style.pointSize);
      QCOMPARE(control->font().bold(), style.bold);
    }
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
      const Qt::Alignment across = label->alignment() & Qt::AlignHorizontal_Mask;
      QVERIFY2(across == (style.align == TextAlign::Centre  ? Qt::AlignHCenter
                          : style.align == TextAlign::Right ? Qt::AlignRight
                                                            : Qt::AlignLeft),
               name);
      QVERIFY2(label->wordWrap() == style.wraps, name);
    }
    if (place.kind == ControlKind::Icon) {
      QCOMPARE(qobject_cast<const PictureBox*>(control)->picture(), loadWindowIcon());
    }
  }

  // Checks the dialog the controller runs, once it is open, and closes it.
  void checkDialog(DialogController& controller, const QStringList& tabOrder) {
    QTimer::singleShot(0, this, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      QVERIFY(dialog != nullptr);
      QVERIFY(QTest::qWaitForWindowActive(dialog));
      checkAgainstTable(dialog, controller.layout());
      testing::checkTabOrder(dialog, tabOrder);
      dialog->close();
    });
    runDialog(controller, nullptr);
  }

  testing::FakePlatform platform;

 private slots:
  void initTestCase() { applyApplicationStyle(*qApp); }

  void mainWindow() {
    MainWindow window(&platform);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    checkAgainstTable(&window, mainWindowLayout());
  }

  void stageOperationsDialog() {
    const StageSet stageSet = initialStageSet();
    const Image24 miniStrip = loadScaledSpriteStrip(kMiniCellPixels);
    StageOperationsController operations(stageSet, platform, miniStrip);
    // Each group of options is one stop, chosen among with the arrow keys.
    checkDialog(operations, {"Option1(0)", "Option1(10)", "Option2", "Command1", "Command2"});
  }

  void aboutBox() {
    AboutBoxController about(platform, {std::nullopt, "help.html"});
    checkDialog(about, {"Command2", "Command1"});
  }
};

}  // namespace vantoki

QTEST_MAIN(vantoki::WindowLayoutTest)
#include "window_layout_test.moc"
