// Form2 under the offscreen platform: where every control stands and in what, what choosing a
// target shows, and a swap carried out with the mouse up to the closing of the dialog. Also the
// mini sprite strip the dialog is given, made from the program's sprite strip.
#include "dialogs/stage_operations_dialog.h"

#include <QGroupBox>
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

  void everyControlStandsWhereTheGameHadIt() {
    QCOMPARE(dialog->objectName(), QString("Form2"));
    QCOMPARE(dialog->windowTitle(), QString("ステージデータ操作"));
    QCOMPARE(dialog->size(), QSize(443, 501));
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    QVERIFY(dialog->isModal());
    struct Placed {
      const char* name;
      const char* parent;
      QRect geometry;
      const char* caption;  // the title of a frame, the text of anything else
    };
    const Placed kControls[] = {
        {"Frame1", "Form2", {8, 8, 209, 329}, "ターゲットＡ"},
        {"Frame2", "Form2", {224, 8, 209, 329}, "ターゲットＢ"},
        {"Frame3", "Form2", {8, 344, 425, 117}, "動作"},
        {"Option1(0)", "Frame1", {8, 20, 33, 25}, "01"},
        {"Option1(4)", "Frame1", {168, 20, 33, 25}, "05"},
        {"Option1(7)", "Frame1", {88, 48, 33, 25}, "08"},
        {"Option1(10)", "Frame2", {8, 20, 33, 25}, "01"},
        {"Option1(19)", "Frame2", {168, 48, 33, 25}, "10"},
        {"Label1", "Frame1", {8, 84, 61, 13}, "ステージ名"},
        {"Label2", "Frame2", {8, 84, 61, 13}, "ステージ名"},
        {"Text1(0)", "Frame1", {8, 96, 193, 22}, ""},
        {"Text1(1)", "Frame2", {8, 96, 193, 22}, ""},
        {"Picture1(0)", "Form2", {16, 132, 195, 195}, nullptr},
        {"Picture1(1)", "Frame2", {8, 124, 195, 195}, nullptr},
        {"Option2",
         "Frame3",
         {12, 20, 397, 21},
         "『ターゲットＡ』のステージを『ターゲットＢ』のステージの後ろに移動する"},
        {"Option3",
         "Frame3",
         {12, 44, 397, 21},
         "『ターゲットＡ』のステージと『ターゲットＢ』のステージを入れ替える"},
        {"Option4",
         "Frame3",
         {12, 68, 397, 21},
         "『ターゲットＡ』のステージを『ターゲットＢ』のステージ上にコピーする"},
        {"Option5", "Frame3", {12, 92, 397, 21}, "『ターゲットＡ』のステージを削除する"},
        {"Command1", "Form2", {8, 468, 209, 25}, "実行"},
        {"Command2", "Form2", {224, 468, 209, 25}, "閉じる"}};
    for (const Placed& placed : kControls) {
      QWidget* widget = control(placed.name);
      QCOMPARE(widget->parentWidget()->objectName(), QString(placed.parent));
      QCOMPARE(widget->geometry(), placed.geometry);
      QVERIFY2(widget->isVisible(), placed.name);
      QVERIFY2(!widget->property("checked").toBool(), placed.name);
      if (placed.caption != nullptr) {
        const char* property = qobject_cast<QGroupBox*>(widget) ? "title" : "text";
        QCOMPARE(widget->property(property).toString(), QString(placed.caption));
      }
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

  void aSwapAnsweredNoKeepsTheDialogAndYesClosesIt() {
    click("Option1(1)");
    click("Option1(16)");
    click("Option3");
    platform.answers = {MessageAnswer::No, MessageAnswer::Yes};
    const StageSet before = stageSet;

    click("Command1");
    QVERIFY(dialog->isVisible());
    QCOMPARE(stageSet, before);

    click("Command1");
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(platform.messages.at(1).text,
             std::string("ステージ2とステージ7を入れ替えます。\r\nよろしいですか？"));
    QCOMPARE(stageSet.stageNames[1], std::string("STAGE 7"));
    QCOMPARE(stageSet.stageNames[6], std::string("STAGE 2"));
    QCOMPARE(stageSet.stageCells[6], before.stageCells[1]);
    QCOMPARE(stageSet.stageCells[1], before.stageCells[6]);
  }

  // Shrinking by averaging keeps the mean colour of every cell, give or take rounding.
  void theMiniStripAveragesEachSpriteCell() {
    QCOMPARE(QSize(miniStrip.width(), miniStrip.height()), QSize(221, 13));
    const Image24 chara = loadPictureStrips().sprites;
    const auto meanOfChannel = [](const Image24& strip, int cell, int size, int shift) {
      double sum = 0;
      for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
          sum += strip.pixel(cell * size + x, y) >> shift & 0xFF;
        }
      }
      return sum / (size * size);
    };
    for (int cell = 0; cell < kSpriteCellCount; ++cell) {
      for (const int shift : {0, 8, 16}) {
        const double big = meanOfChannel(chara, cell, 40, shift);
        const double mini = meanOfChannel(miniStrip, cell, 13, shift);
        QVERIFY2(std::abs(big - mini) < 3,
                 qPrintable(QString("cell %1: %2 against %3").arg(cell).arg(mini).arg(big)));
      }
    }
  }
};

}  // namespace vantoki

QTEST_MAIN(vantoki::StageOperationsDialogTest)
#include "stage_operations_dialog_test.moc"
