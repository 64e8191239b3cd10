// A dialog of the game on the desktop, under the offscreen platform, driven through its real
// widgets: the window its controller's layout table builds, modal and centred on its owner; clicks
// of each kind of control handed on by name, a button's own toggle taken back; the controller's
// changes shown; and the end of the dialog when the controller closes it or the player does.
#include "widgets/dialog_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include "control_lookup.h"
#include "dialogs/about_box_controller.h"
#include "dialogs/stage_operations_controller.h"
#include "dialogs/stage_preview.h"
#include "fake_platform.h"
#include "view/qimage_bridge.h"
#include "view/strip_loader.h"
#include "widgets/picture_box.h"

namespace vantoki {

class DialogWindowTest : public QObject {
  Q_OBJECT

 private:
  // Runs the controller's dialog and, once it is open, `play`s with it.
  void run(DialogController& controller, const std::function<void(QWidget&)>& play) {
    bool played = false;
    QTimer::singleShot(0, this, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      QVERIFY(dialog != nullptr);
      play(*dialog);
      played = true;
    });
    runDialog(controller, &owner);
    QVERIFY(played);
  }

  template <typename Control = QWidget>
  static Control* control(const QWidget& dialog, const char* name) {
    return testing::findControl<Control>(&dialog, name);
  }

  const Image24 miniStrip = loadScaledSpriteStrip(kMiniCellPixels);
  const StageSet stageSet = [] {
    StageSet stages = initialStageSet();
    stages.stageCells[1].set(7, 7, code(Tile::Star));
    return stages;
  }();
  testing::FakePlatform platform;
  QWidget owner;

 private slots:
  void init() {
    platform = testing::FakePlatform();
    owner.setGeometry(100, 80, 833, 613);
    owner.show();
  }

  void clicksReachTheControllerAndItsChangesShow() {
    StageOperationsController operations(stageSet, platform, miniStrip);
    platform.answers = {MessageAnswer::Yes};
    run(operations, [&](QWidget& dialog) {
      QCOMPARE(dialog.windowTitle(), QString("ステージデータ操作"));
      QVERIFY(dialog.isModal());
      QVERIFY(
          (dialog.frameGeometry().center() - owner.frameGeometry().center()).manhattanLength() <=
          2);
      QTest::mouseClick(control(dialog, "Option1(1)"), Qt::LeftButton);
      QCOMPARE(control<QLineEdit>(dialog, "Text1(0)")->text(), QString("STAGE 2"));
      QCOMPARE(control<PictureBox>(dialog, "Picture1(0)")->picture(),
               toQImage(drawStagePreview(stageSet.stageCells[1], miniStrip)));
      // A second click on the option held down leaves it down.
      QTest::mouseClick(control(dialog, "Option1(1)"), Qt::LeftButton);
      QVERIFY(control<QAbstractButton>(dialog, "Option1(1)")->isChecked());
      QTest::mouseClick(control(dialog, "Option1(16)"), Qt::LeftButton);
      control<QRadioButton>(dialog, "Option4")->click();
      control<QRadioButton>(dialog, "Option3")->click();
      QVERIFY(!control<QRadioButton>(dialog, "Option4")->isChecked());
      QVERIFY(control<QRadioButton>(dialog, "Option3")->isChecked());
      QTest::mouseClick(control(dialog, "Command1"), Qt::LeftButton);
    });
    QVERIFY(operations.chosen() == (StageOperationChoice{StageOperation::Swap, 1, 6}));
  }

  // A link answers the left button only; Escape ends the dialog with nothing chosen.
  void theDialogEndsByItsControllerOrByThePlayer() {
    AboutBoxController about(platform, {std::nullopt, "help.html"});
    run(about, [&](QWidget& dialog) {
      QTest::mouseClick(control(dialog, "Label3"), Qt::RightButton);
      QVERIFY(platform.openedAddresses.empty());
      QTest::mouseClick(control(dialog, "Label3"), Qt::LeftButton);
      QCOMPARE(platform.openedAddresses.size(), std::size_t{1});
      QTest::mouseClick(control(dialog, "Command1"), Qt::LeftButton);
    });
    QVERIFY(about.closed());

    StageOperationsController operations(stageSet, platform, miniStrip);
    run(operations, [](QWidget& dialog) {
      QTest::mouseClick(control(dialog, "Option1(1)"), Qt::LeftButton);
      QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    QVERIFY(!operations.chosen());
  }
};

}  // namespace vantoki

QTEST_MAIN(vantoki::DialogWindowTest)
#include "dialog_window_test.moc"
