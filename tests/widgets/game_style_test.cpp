// The game's style on the real main window and stage operations dialog, as the screen shows them:
// every button's face and every frame's interior is one flat colour of the layout table, with the
// button's bevel raised, or sunken while pressed and while checked; a frame's caption breaks its
// border; a button shows a focus frame once the keyboard has moved the focus to it.
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>

#include <memory>

#include "app/main_window.h"
#include "control_lookup.h"
#include "fake_platform.h"
#include "frame_parts.h"
#include "widgets/application_style.h"
#include "widgets/controls.h"

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
  testing::FakePlatform platform;
  std::unique_ptr<MainWindow> mainWindow;
  // Built as every dialog of the game is.
  std::unique_ptr<QDialog> stageOperations;

 private slots:
  void initTestCase() {
    applyApplicationStyle(*qApp);
    mainWindow = std::make_unique<MainWindow>(&platform);
    stageOperations = std::make_unique<QDialog>();
    LayoutBuilder(stageOperations.get(), stageOperationsLayout()).buildEveryControl();
    for (QWidget* window :
         std::initializer_list<QWidget*>{mainWindow.get(), stageOperations.get()}) {
      window->show();
      QVERIFY(QTest::qWaitForWindowExposed(window));
    }
  }

  void buttonFacesAreFlat() {
    struct Face {
      QWidget* window;
      const char* button;
      bool pressed;
      bool sunken;
    };
    const Face kFaces[] = {
        {mainWindow.get(), "Command2", false, false},
        {mainWindow.get(), "Option1(1)", false, false},
        {mainWindow.get(), "Option1(0)", false, true},  // checked
        {mainWindow.get(), "Command5(1)", true, true},
        {mainWindow.get(), "Command8", false, false},  // the tall stop button
        {stageOperations.get(), "Option1(12)", false, false},
        {stageOperations.get(), "Command1", false, false},
    };
    for (const auto& [window, button, pressed, sunken] : kFaces) {
      const QString name = window->objectName() + " " + button;
      auto* control = testing::findControl<QPushButton>(window, button);
      control->setDown(pressed);
      const QImage face = faceOf(control);
      control->setDown(false);

      QVERIFY2(strayPixels(face, faceArea(control), kButtonFace) == 0, qPrintable(name));
      const QColor top = face.pixelColor(face.width() / 2, 0);
      const QColor bottom = face.pixelColor(face.width() / 2, face.height() - 1);
      QVERIFY2((top.lightness() < bottom.lightness()) == sunken, qPrintable(name));
    }
  }

  void frameInteriorsAreFlat() {
    const std::pair<QWidget*, const char*> kFrames[] = {
        {mainWindow.get(), "Frame1"}, {mainWindow.get(), "Frame4"},
        {mainWindow.get(), "Frame7"}, {mainWindow.get(), "Frame2"},
        {mainWindow.get(), "Frame6"}, {stageOperations.get(), "Frame3"},
    };
    for (const auto& [window, frame] : kFrames) {
      auto* control = testing::findControl<QGroupBox>(window, frame);
      const QRect border = testing::framePart(control, QStyle::SC_GroupBoxFrame);
      QVERIFY2(strayPixels(ownPainting(control), border.adjusted(2, 2, -2, -2), kFrameInterior,
                           testing::framePart(control, QStyle::SC_GroupBoxLabel)) == 0,
               qPrintable(window->objectName() + " " + frame));
    }
  }

  // A frame's caption is painted in a part of its own that breaks the border; a frame without a
  // caption has no such part at all.
  void onlyACaptionedFrameHasACaptionPart() {
    int captioned = 0;
    int bare = 0;
    for (QWidget* window :
         std::initializer_list<QWidget*>{mainWindow.get(), stageOperations.get()}) {
      for (QGroupBox* frame : window->findChildren<QGroupBox*>()) {
        const QString name = window->objectName() + " " + frame->objectName();
        const QRect caption = testing::framePart(frame, QStyle::SC_GroupBoxLabel);
        if (frame->title().isEmpty()) {
          ++bare;
          QVERIFY2(caption.isNull(), qPrintable(name));
        } else {
          ++captioned;
          QVERIFY2(strayPixels(ownPainting(frame), caption, frame->palette().window().color()) > 0,
                   qPrintable(name + ": no caption painted in its part"));
        }
      }
    }
    QVERIFY(captioned > 0 && bare > 0);
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
