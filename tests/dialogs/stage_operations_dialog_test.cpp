// The stage operations dialog under the offscreen platform: how it opens, what choosing a target
// shows, and a swap chosen with the mouse up to the closing of the dialog, which hands it back.
#include "dialogs/stage_operations_dialog.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <memory>

#include "control_lookup.h"
#include "dialogs/stage_preview.h"
#include "fake_platform.h"
#include "view/qimage_bridge.h"
#include "view/strip_loader.h"
#include "widgets/picture_box.h"

namespace vantoki {

class StageOperationsDialogTest : public QObject {
  Q_OBJECT

 private:
  template <typename Control = QWidget>
  Control* control(const char* name) {
    return testing::findControl<Control>(dialog.get(), name);
  }

  void click(const char* name) {
    QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton);
  }

  const Image24 miniStrip = loadScaledSpriteStrip(kMiniCellPixels);
  StageSet stageSet;
  testing::FakePlatform platform;
  std::unique_ptr<StageOperationsDialog> dialog;

 private slots:
  void init() {
    stageSet = initialStageSet();
    stageSet.stageCells[1].set(7, 7, code(Tile::Star));
    platform = testing::FakePlatform();
    dialog = std::make_unique<StageOperationsDialog>(stageSet, platform, miniStrip);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
  }

  void cleanup() { dialog.reset(); }

  void opensModalWithNothingChosen() {
    QCOMPARE(dialog->windowTitle(), QString("ステージデータ操作"));
    QVERIFY(dialog->isModal());
    for (const char* name : {"Option1(0)", "Option1(19)", "Option2", "Option5"}) {
      QVERIFY2(!control<QAbstractButton>(name)->isChecked(), name);
    }
    QVERIFY(control<QAbstractButton>("Option1(3)")->isCheckable());
    QVERIFY(control<QLineEdit>("Text1(1)")->isReadOnly());
    QVERIFY(qobject_cast<QRadioButton*>(control("Option5")) != nullptr);
    // Preview A stands in front of the frame it lies over.
    QVERIFY(dialog->children().indexOf(control("Picture1(0)")) >
            dialog->children().indexOf(control("Frame1")));
  }

  void choosingATargetShowsItsStageOnItsSideOnly() {
    click("Option1(1)");
    QCOMPARE(control<QLineEdit>("Text1(0)")->text(), QString("STAGE 2"));
    QCOMPARE(control<PictureBox>("Picture1(0)")->picture(),
             toQImage(drawStagePreview(stageSet.stageCells[1], miniStrip)));
    QCOMPARE(control<QLineEdit>("Text1(1)")->text(), QString());
    QVERIFY(control<PictureBox>("Picture1(1)")->picture().isNull());

    // One choice per frame: B is chosen beside A, then A moves on within its own frame.
    click("Option1(12)");
    click("Option1(3)");
    QCOMPARE(control<QLineEdit>("Text1(0)")->text(), QString("STAGE 4"));
    QCOMPARE(control<QLineEdit>("Text1(1)")->text(), QString("STAGE 3"));
    QVERIFY(!control<QAbstractButton>("Option1(1)")->isChecked());
    QVERIFY(control<QAbstractButton>("Option1(12)")->isChecked());

    click("Command2");
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
  }

  void aSwapAnsweredNoKeepsTheDialogAndYesClosesItWithTheSwap() {
    click("Option1(1)");
    click("Option1(16)");
    click("Option3");
    platform.answers = {MessageAnswer::No, MessageAnswer::Yes};

    click("Command1");
    QVERIFY(dialog->isVisible());
    QVERIFY(!dialog->chosenOperation());

    click("Command1");
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(platform.messages.at(1).text,
             std::string("ステージ2とステージ7を入れ替えます。\r\nよろしいですか？"));
    QVERIFY(dialog->chosenOperation() == (StageOperationChoice{StageOperation::Swap, 1, 6}));
  }
};

}  // namespace vantoki

QTEST_MAIN(vantoki::StageOperationsDialogTest)
#include "stage_operations_dialog_test.moc"
