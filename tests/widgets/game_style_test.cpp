// The game's style on the three real windows, as the screen shows them: every button's face and
// every frame's interior is one flat colour of the layout table, with the button's bevel raised,
// or sunken while pressed and while checked; a button shows a focus frame once the keyboard has
// moved the focus to it.
#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>

#include <memory>

#include "app/main_window.h"
#include "control_lookup.h"
#include "dialogs/about_box.h"
#include "dialogs/stage_operations_dialog.h"
#include "dialogs/stage_preview.h"
#include "fake_platform.h"
#include "frame_parts.h"
#include "view/strip_loader.h"
#include "widgets/application_style.h"

namespace vantoki {
namespace {

const QColor kButtonFace(255, 192, 128);
const QColor kFrameInterior(255, 255, 192);

// The widget's own painting, without its children, at the scale of the screen.
QImage ownPainting(QWidget* widget) {
  const qreal scale = widget->devicePixelRatioF();
  QImage painting(widget->size() * scale, QImage::Format_RGB32);
  painting.setDevicePixelRatio(scale);
  painting.fill(Qt::magenta);
  widget->render(&painting, {}, {}, QWidget::DrawWindowBackground);
  return painting;
}

// The pixels of `painting` inside `area` and outside `hole` (in the widget's coordinates) that
// are not `color`.
int strayPixels(const QImage& painting, const QRect& area, const QColor& color,
                const QRect& hole = {}) {
  const qreal scale = painting.devicePixelRatio();
  int stray = 0;
  for (int y = qCeil(area.top() * scale); y < qCeil((area.bottom() + 1) * scale); ++y) {
    for (int x = qCeil(area.left() * scale); x < qCeil((area.right() + 1) * scale); ++x) {
      if (!hole.contains(QPoint(qFloor(x / scale), qFloor(y / scale))) &&
          painting.pixelColor(x, y) != color) {
        ++stray;
      }
    }
  }
  return stray;
}

// A button's face without its caption, which is no part of the face.
QImage faceOf(QPushButton* button) {
  const QString caption = button->text();
  button->setText({});
  const QImage face = ownPainting(button);
  button->setText(caption);
  return face;
}

// Inside the bevel of two pixels.
QRect faceArea(const QWidget* button) {
  return button->rect().adjusted(2, 2, -2, -2);
}

}  // namespace

class GameStyleTest : public QObject {
  Q_OBJECT

 private:
  QWidget* windowNamed(const QString& name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->objectName() == name) {
        return window;
      }
    }
    qFatal("no window named %s", qPrintable(name));
  }

  testing::FakePlatform platform;
  const StageSet stageSet = initialStageSet();
  const Image24 miniStrip = loadScaledSpriteStrip(kMiniCellPixels);
  std::unique_ptr<MainWindow> mainWindow;
  std::unique_ptr<StageOperationsDialog> stageOperations;
  std::unique_ptr<AboutBox> aboutBox;

 private slots:
  void initTestCase() {
    applyApplicationStyle(*qApp);
    mainWindow = std::make_unique<MainWindow>(&platform);
    stageOperations = std::make_unique<StageOperationsDialog>(stageSet, platform, miniStrip);
    aboutBox = std::make_unique<AboutBox>(platform, nullptr);
    for (QWidget* window :
         std::initializer_list<QWidget*>{mainWindow.get(), stageOperations.get(), aboutBox.get()}) {
      window->show();
      QVERIFY(QTest::qWaitForWindowExposed(window));
    }
  }

  void cleanupTestCase() {
    aboutBox.reset();
    stageOperations.reset();
    mainWindow.reset();
  }

  void buttonFacesAreFlat_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<bool>("sunken");
    QTest::newRow("load") << "Form1"
                          << "Command2" << false << false;
    QTest::newRow("stage option") << "Form1"
                                  << "Option1(1)" << false << false;
    QTest::newRow("checked stage option") << "Form1"
                                          << "Option1(0)" << false << true;
    QTest::newRow("pressed history button") << "Form1"
                                            << "Command5(1)" << true << true;
    QTest::newRow("tall stop button") << "Form1"
                                      << "Command8" << false << false;
    QTest::newRow("target option") << "Form2"
                                   << "Option1(12)" << false << false;
    QTest::newRow("execute") << "Form2"
                             << "Command1" << false << false;
    QTest::newRow("About box's close") << "frmAbout"
                                       << "Command1" << false << false;
  }

  void buttonFacesAreFlat() {
    QFETCH(QString, window);
    QFETCH(QString, button);
    QFETCH(bool, pressed);
    QFETCH(bool, sunken);
    auto* control = testing::findControl<QPushButton>(windowNamed(window), button);
    control->setDown(pressed);
    const QImage face = faceOf(control);
    control->setDown(false);

    QCOMPARE(strayPixels(face, faceArea(control), kButtonFace), 0);
    const QColor top = face.pixelColor(face.width() / 2, 0);
    const QColor bottom = face.pixelColor(face.width() / 2, face.height() - 1);
    QCOMPARE(top.lightness() < bottom.lightness(), sunken);
  }

  void frameInteriorsAreFlat_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("frame");
    QTest::newRow("stage selection") << "Form1"
                                     << "Frame1";
    QTest::newRow("play panel") << "Form1"
                                << "Frame4";
    QTest::newRow("stage-clear panel") << "Form1"
                                       << "Frame7";
    QTest::newRow("left-click tile") << "Form1"
                                     << "Frame2";
    QTest::newRow("replay panel") << "Form1"
                                  << "Frame6";
    QTest::newRow("operations") << "Form2"
                                << "Frame3";
    QTest::newRow("About box") << "frmAbout"
                               << "Frame1";
  }

  void frameInteriorsAreFlat() {
    QFETCH(QString, window);
    QFETCH(QString, frame);
    auto* control = testing::findControl<QGroupBox>(windowNamed(window), frame);
    const QRect border = testing::framePart(control, QStyle::SC_GroupBoxFrame);
    QCOMPARE(strayPixels(ownPainting(control), border.adjusted(2, 2, -2, -2), kFrameInterior,
                         testing::framePart(control, QStyle::SC_GroupBoxLabel)),
             0);
  }

  void keyboardFocusShowsAFrame() {
    mainWindow->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(mainWindow.get()));
    auto* load = testing::findControl<QPushButton>(mainWindow.get(), "Command2");
    auto* about = testing::findControl<QPushButton>(mainWindow.get(), "Command7");
    about->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(about, Qt::Key_Tab);
    QVERIFY(load->hasFocus());
    QVERIFY(strayPixels(faceOf(load), faceArea(load), kButtonFace) > 0);
  }
};

}  // namespace vantoki

QTEST_MAIN(vantoki::GameStyleTest)
#include "game_style_test.moc"
