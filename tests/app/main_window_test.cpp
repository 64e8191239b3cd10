// The main window under the offscreen platform, driven through its real widgets as a player
// would, for what the window adds to the game: that it shows what the game publishes from
// start-up on, each kind of control wired to the game, the timer, the keys as the window reads
// them whatever has the focus, the name boxes that keep theirs, closing, the stop button's focus
// during playback, the order of Tab, Space on a button, and clicks and the board under a scaled
// screen. What the game does with each event, what it shows and says, is the game's own test.
#include "app/main_window.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QtMath>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

#include "board_fixture.h"
#include "control_lookup.h"
#include "dialogs/stage_operations_controller.h"
#include "dialogs/stage_preview.h"
#include "fake_platform.h"
#include "focus_walk.h"
#include "io_test_files.h"
#include "rooms.h"
#include "view/strip_loader.h"
#include "widgets/dialog_window.h"
#include "widgets/picture_box.h"

namespace vantoki {

// The scripted desktop, with the real stage operations dialog, which the tests click through.
class WindowTestPlatform : public testing::FakePlatform {
 public:
  std::optional<StageOperationChoice> chooseStageOperation(const StageSet& stageSet) override {
    StageOperationsController operations(stageSet, *this, miniStrip_);
    runDialog(operations, nullptr);
    return operations.chosen();
  }

 private:
  Image24 miniStrip_ = loadScaledSpriteStrip(kMiniCellPixels);
};

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  template <typename Control = QWidget>
  Control* control(const char* name) {
    return testing::findControl<Control>(window.get(), name);
  }

  QString text(const char* name) {
    if (auto* label = window->findChild<QLabel*>(name)) {
      return label->text();
    }
    if (auto* box = window->findChild<QLineEdit*>(name)) {
      return box->text();
    }
    return control<QAbstractButton>(name)->text();
  }

  void clickDirection(int index) {
    auto* arrow = control<PictureBox>(qPrintable(QString("Picture4(%1)").arg(index)));
    QTest::mousePress(arrow, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    QTest::mouseRelease(arrow, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
  }

  void waitForTheCommit() { QTRY_COMPARE_WITH_TIMEOUT(window->game().play().animating(), 0, 2000); }

  // A replay of the one turn up, saved to `dir`, and the next file dialog opens it again; the
  // slowest speed keeps its playback going a while.
  void saveAReplayOfOneTurn(const TempDir& dir) {
    const std::filesystem::path file = dir / "turn.vkrp";
    platform.files = {file, file};
    clickDirection(1);
    waitForTheCommit();
    QTest::mouseClick(control<QPushButton>("Command4"), Qt::LeftButton);
    control<QComboBox>("Combo1")->setCurrentIndex(4);
  }

  void pressKey(QWidget* focused, Qt::Key key) {
    focused->setFocus(Qt::TabFocusReason);
    QTest::keyClick(focused, key);
  }

  WindowTestPlatform platform;
  std::unique_ptr<MainWindow> window;

 private slots:
  void init() {
    platform = WindowTestPlatform();
    window = std::make_unique<MainWindow>(&platform);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  }

  void cleanup() { window.reset(); }

  void startUpShowsThePlayPanel() {
    QCOMPARE(text("Label5"), QString("000"));
    QCOMPARE(text("Label3"), QString("000"));
    QCOMPARE(control<QComboBox>("Combo1")->currentText(), QString("標準"));
    QCOMPARE(control<QComboBox>("Combo1")->count(), 5);
    QVERIFY(control<QPushButton>("Option1(0)")->isChecked());
    QVERIFY(!control<QPushButton>("Option1(1)")->isChecked());
    QCOMPARE(text("Text2"), QString("初期データ"));
    QCOMPARE(text("Text1"), QString("STAGE 1"));
    QVERIFY(control<QLineEdit>("Text1")->isReadOnly());
    QVERIFY(control<QLineEdit>("Text2")->isReadOnly());
    QVERIFY(!control<PictureBox>("Picture2")->picture().isNull());
    QVERIFY(!control<PictureBox>("Picture3")->picture().isNull());
  }

  void clickOnADirectionMovesAfterTicks() {
    StageSet stages = initialStageSet();
    stages.stageCells[0] =
        testing::walledBoardWith({{7, 13, code(Tile::Player)}, {12, 13, code(Tile::Star)}});
    window->game().installStageSet(stages);
    const QImage before = control<PictureBox>("MapPic")->picture();

    clickDirection(2);
    QCOMPARE(window->game().play().animating(), 1);
    waitForTheCommit();

    QCOMPARE(text("Label5"), QString("001"));
    QCOMPARE(text("Label3"), QString("001"));
    QVERIFY(control<PictureBox>("MapPic")->picture() != before);
    QCOMPARE(window->game().play().currentBoard().at(8, 13), code(Tile::Player));
    QVERIFY(!control("Frame7")->isVisible());
  }

  void stageClearCoversTheDirectionButtons() {
    clickDirection(1);
    waitForTheCommit();
    QVERIFY(control("Frame7")->isVisible());
    const QRect panel = control("Frame7")->geometry();
    for (int index = 0; index < 4; ++index) {
      QVERIFY(panel.contains(control(qPrintable(QString("Picture4(%1)").arg(index)))->geometry()));
    }
    QCOMPARE(control("Frame4")->childAt(64, 124), control("Label7"));

    // "STAGE" over "CLEAR!!": two bands of ink, each whole inside the label and centred in it.
    const QImage banner = control("Label7")->grab().toImage();
    const QColor ground = banner.pixelColor(0, 0);
    struct Band {
      int top = -1, bottom = -1, left = 0, right = 0;
    };
    std::vector<Band> bands;
    bool inked = false;
    for (int y = 0; y < banner.height(); ++y) {
      int left = banner.width(), right = -1;
      for (int x = 0; x < banner.width(); ++x) {
        if (banner.pixelColor(x, y) != ground) {
          left = std::min(left, x);
          right = x;
        }
      }
      if (right >= 0 && !inked) {
        bands.push_back({y, y, left, right});
      } else if (right >= 0) {
        bands.back() = {bands.back().top, y, std::min(bands.back().left, left),
                        std::max(bands.back().right, right)};
      }
      inked = right >= 0;
    }
    QCOMPARE(bands.size(), std::size_t{2});
    QVERIFY(bands.front().top > 0);
    QVERIFY(bands.back().bottom < banner.height() - 1);
    for (const Band& band : bands) {
      QVERIFY(band.bottom - band.top >= banner.height() / 4);
      QVERIFY(std::abs(band.left - (banner.width() - 1 - band.right)) <=
              2 * banner.devicePixelRatio());
    }
  }

  // The designer's whole path through the real widgets: into the editor, paint with both buttons,
  // rename, save, change the set, load it back.
  void editorPaintsRenamesSavesAndLoads() {
    const TempDir dir;
    auto* board = control<PictureBox>("MapPic");
    QTest::mouseClick(control<QPushButton>("Command3"), Qt::LeftButton);
    QVERIFY(control("Frame5")->isVisible());

    // The whole palette shows, its last column included, which this press picks from.
    const Image24& palette = window->game().palettePicture();
    QCOMPARE(control("Picture1")->size(), QSize(palette.width(), palette.height()));
    QTest::mousePress(control("Picture1"), Qt::RightButton, Qt::NoModifier, QPoint(180, 60));
    QTest::mousePress(board, Qt::LeftButton, Qt::NoModifier, QPoint(100, 500));
    QTest::mouseRelease(board, Qt::LeftButton, Qt::NoModifier, QPoint(100, 500));
    QTest::mousePress(board, Qt::RightButton, Qt::NoModifier, QPoint(300, 500));
    QTest::mouseRelease(board, Qt::RightButton, Qt::NoModifier, QPoint(300, 500));
    const Board& painted = window->game().stageSet().stageCells[0];
    QCOMPARE(painted.at(2, 12), code(Tile::Wall));
    QCOMPARE(painted.at(7, 12), code(Tile::Star));

    auto* stageName = control<QLineEdit>("Text1");
    stageName->selectAll();
    // Typed as one key event carrying the text, as an input method delivers it.
    QTest::sendKeyEvent(QTest::Press, stageName, Qt::Key_unknown, QString("星ひとつ"),
                        Qt::NoModifier);
    QCOMPARE(window->game().stageSet().stageNames[0], std::string("星ひとつ"));
    const QImage paintedPicture = board->picture();

    const std::filesystem::path file = dir / "designed.vkst";
    platform.files = {file, file};
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    QTest::mousePress(board, Qt::LeftButton, Qt::NoModifier, QPoint(500, 500));
    QTest::mouseClick(control<QPushButton>("Option1(4)"), Qt::LeftButton);
    // The cell painted since the save is thrown away, as the player answers.
    platform.answers = {MessageAnswer::No};
    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);

    QVERIFY(std::filesystem::exists(file));
    QVERIFY(control<QPushButton>("Option1(0)")->isChecked());
    QCOMPARE(text("Text1"), QString("星ひとつ"));
    QCOMPARE(window->game().stageSet().stageCells[0].at(12, 12), code(Tile::Empty));
    QVERIFY(board->picture() == paintedPicture);
    QVERIFY(control("Frame5")->isVisible());

    // Swap stages 01 and 02 in the stage operations dialog, answering Yes.
    platform.answers = {MessageAnswer::Yes};
    QTimer::singleShot(0, this, [] {
      QWidget* dialog = QApplication::activeModalWidget();
      QVERIFY(dialog != nullptr);
      QCOMPARE(dialog->objectName(), QString("Form2"));
      QTest::mouseClick(dialog->findChild<QPushButton*>("Option1(0)"), Qt::LeftButton);
      QTest::mouseClick(dialog->findChild<QPushButton*>("Option1(11)"), Qt::LeftButton);
      dialog->findChild<QRadioButton*>("Option3")->click();
      QTest::mouseClick(dialog->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    });
    control<QPushButton>("Option1(3)")->click();
    QTest::mouseClick(control<QPushButton>("Command9"), Qt::LeftButton);
    QVERIFY(control<QPushButton>("Option1(0)")->isChecked());
    QCOMPARE(text("Text1"), QString("STAGE 2"));
    QCOMPARE(window->game().stageSet().stageNames[1], std::string("星ひとつ"));
    QVERIFY(board->picture() != paintedPicture);
    QVERIFY(control("Frame5")->isVisible());
  }

  // A player's replay through the real widgets: play, save, come back to the stage, play it back
  // on the running timer with the tall stop button showing, and stop it.
  // Played back in the window and stopped with the stop button while the second move is on its
  // way: the third is still made, and the stop panel goes.
  void replayPlayedBackAndStoppedWithTheStopButton() {
    const TempDir dir;
    StageSet stages = initialStageSet();
    stages.stageCells[0] =
        testing::walledBoardWith({{2, 13, code(Tile::Player)}, {13, 13, code(Tile::Star)}});
    window->game().installStageSet(stages);
    control<QComboBox>("Combo1")->setCurrentIndex(0);
    for (int move = 0; move < 4; ++move) {
      clickDirection(2);
      waitForTheCommit();
    }
    const std::filesystem::path file = dir / "four.vkrp";
    platform.files = {file, file};
    QTest::mouseClick(control<QPushButton>("Command4"), Qt::LeftButton);

    control<QComboBox>("Combo1")->setCurrentIndex(3);
    QTest::mouseClick(control<QPushButton>("Command6"), Qt::LeftButton);
    QVERIFY(control("Frame6")->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(window->game().play().lastTurn(), 1, 3000);
    QTest::mouseClick(control<QPushButton>("Command8"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!control("Frame6")->isVisible(), 3000);
    waitForTheCommit();
    QCOMPARE(text("Label5"), QString("003"));
    QCOMPARE(window->game().play().currentBoard().at(5, 13), code(Tile::Player));
  }

  void closingTheWindowDuringPlaybackEndsCleanly() {
    const TempDir dir;
    StageSet stages = initialStageSet();
    stages.stageCells[0] = testing::walledBoardWith({{2, 13, code(Tile::Player)}});
    window->game().installStageSet(stages);
    clickDirection(2);
    waitForTheCommit();
    const std::filesystem::path file = dir / "one.vkrp";
    platform.files = {file, file};
    QTest::mouseClick(control<QPushButton>("Command4"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>("Command6"), Qt::LeftButton);
    QVERIFY(window->game().replayRunning());
    const std::size_t messages = platform.messages.size();
    window.reset();
    QTest::qWait(200);
    QCOMPARE(platform.messages.size(), messages);
  }

  // Closing the window settles unsaved edits first (the game asks how), and a question the player
  // cancelled keeps the window open.
  void closingSettlesUnsavedEditsFirst_data() {
    QTest::addColumn<bool>("edited");
    QTest::addColumn<bool>("closed");
    QTest::newRow("no edits") << false << true;
    QTest::newRow("edits, question cancelled") << true << false;
  }

  void closingSettlesUnsavedEditsFirst() {
    QFETCH(bool, edited);
    QFETCH(bool, closed);
    if (edited) {
      window->game().renameDataSet("編集中");
    }
    platform.answers = {MessageAnswer::Cancel};
    QCOMPARE(window->close(), closed);
    QCOMPARE(window->isVisible(), !closed);
    QCOMPARE(platform.messages.empty(), !edited);
  }

  void arrowKeysMoveAndHoldingOneWalksOn() {
    StageSet stages = initialStageSet();
    stages.stageCells[0] =
        testing::walledBoardWith({{2, 13, code(Tile::Player)}, {13, 13, code(Tile::Star)}});
    window->game().installStageSet(stages);
    control<QComboBox>("Combo1")->setCurrentIndex(0);
    QCOMPARE(window->game().animStep(), 40);
    // The key works wherever the focus is, also in a locked name box.
    auto* stageName = control<QLineEdit>("Text1");
    stageName->setFocus();
    const int cursor = stageName->cursorPosition();
    QTest::keyPress(stageName, Qt::Key_Right);
    QCOMPARE(window->game().play().animating(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(window->game().play().lastTurn() >= 3, 2000);
    // The keyboard's own repeats neither move nor release.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(control("Text1"), &repeat);
    QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(control("Text1"), &repeatRelease);
    QVERIFY(window->game().play().heldButton() == 3);
    QTest::keyRelease(control("Text1"), Qt::Key_Right);
    QCOMPARE(window->game().play().heldButton(), 0);
    waitForTheCommit();
    const int walked = window->game().play().lastTurn();
    QTest::qWait(300);
    QCOMPARE(window->game().play().lastTurn(), walked);
    QCOMPARE(window->game().play().currentBoard().at(2 + walked, 13), code(Tile::Player));
    QCOMPARE(stageName->cursorPosition(), cursor);
  }

  void historyKeysStepThroughThePlay_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Home") << int(Qt::Key_Home) << int(Qt::NoModifier) << QString("000");
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << int(Qt::NoModifier) << QString("000");
    QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << int(Qt::ControlModifier) << QString("000");
    QTest::newRow("Ctrl+Y") << int(Qt::Key_Y) << int(Qt::ControlModifier) << QString("002");
    QTest::newRow("Ctrl+Shift+Z") << int(Qt::Key_Z) << int(Qt::ControlModifier | Qt::ShiftModifier)
                                  << QString("002");
    QTest::newRow("End") << int(Qt::Key_End) << int(Qt::NoModifier) << QString("003");
    QTest::newRow("plain Z") << int(Qt::Key_Z) << int(Qt::NoModifier) << QString("001");
  }

  void historyKeysStepThroughThePlay() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, shown);
    StageSet stages = initialStageSet();
    stages.stageCells[0] =
        testing::walledBoardWith({{2, 13, code(Tile::Player)}, {12, 13, code(Tile::Star)}});
    window->game().installStageSet(stages);
    control<QComboBox>("Combo1")->setCurrentIndex(0);
    for (int move = 0; move < 3; ++move) {
      clickDirection(1);
      waitForTheCommit();
    }
    QTest::mouseClick(control<QPushButton>("Command5(1)"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>("Command5(1)"), Qt::LeftButton);
    QCOMPARE(text("Label5"), QString("001"));
    QTest::keyClick(window.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(text("Label5"), shown);
  }

  // In the editor the keys of the play panel are a name box's own, to edit with.
  void nameBoxKeepsItsKeysInTheEditor() {
    QTest::mouseClick(control<QPushButton>("Command3"), Qt::LeftButton);
    auto* stageName = control<QLineEdit>("Text1");
    stageName->setFocus();
    stageName->setCursorPosition(3);
    QTest::keyClick(stageName, Qt::Key_Left);
    QCOMPARE(stageName->cursorPosition(), 2);
    QTest::keyClick(stageName, Qt::Key_End);
    QCOMPARE(stageName->cursorPosition(), stageName->text().size());
    QTest::keyClick(stageName, 'h');
    QCOMPARE(stageName->text(), QString("STAGE 1h"));
    QCOMPARE(window->game().play().lastTurn(), 0);
    QCOMPARE(platform.runCallsHandedOver(std::chrono::milliseconds(300)), 0);
    QVERIFY(platform.messages.empty());
  }

  void hintKeyAsksForAHint() {
    StageSet stages = initialStageSet();
    stages.stageCells[0] = testing::boardFromRows(kPit);
    window->game().installStageSet(stages);
    QTest::keyClick(window.get(), Qt::Key_H);
    QCOMPARE(platform.runCallsHandedOver(), 1);
    QCOMPARE(platform.messages.size(), std::size_t{1});
  }

  void buttonsNameTheirKeys() {
    const std::pair<const char*, const char*> kTips[] = {
        {"Picture4(0)", "←キー"},
        {"Picture4(1)", "↑キー"},
        {"Picture4(2)", "→キー"},
        {"Picture4(3)", "↓キー"},
        {"Command5(0)", "Homeキー"},
        {"Command5(1)", "Backspaceキー / Ctrl+Z"},
        {"Command5(2)", "Ctrl+Y / Ctrl+Shift+Z"},
        {"Command5(3)", "Endキー"},
        {"Command3", ""},
    };
    for (const auto& [name, tip] : kTips) {
      QCOMPARE(control(name)->toolTip(), QString(tip));
    }
  }

  // Under any scale of the screen a click lands on the cell under it, and the board is enlarged
  // pixel by pixel.
  void clicksLandOnTheirCellAndTheBoardStaysSharp() {
    QTest::mouseClick(control<QPushButton>("Command3"), Qt::LeftButton);
    auto* board = control<PictureBox>("MapPic");
    QTest::mousePress(control("Picture1"), Qt::LeftButton, Qt::NoModifier, QPoint(121, 41));
    QTest::mousePress(board, Qt::LeftButton, Qt::NoModifier, QPoint(3 * 40 + 1, 4 * 40 + 39));
    QTest::mouseRelease(board, Qt::LeftButton, Qt::NoModifier, QPoint(3 * 40 + 1, 4 * 40 + 39));
    QCOMPARE(window->game().stageSet().stageCells[0].at(3, 4), code(Tile::Bomb));

    const QImage shown = board->grab().toImage();
    const qreal scale = board->devicePixelRatioF();
    QCOMPARE(shown.width(), qRound(kBoardPixels * scale));
    const QImage& picture = board->picture();
    for (int y = 0; y < kBoardPixels; y += 7) {
      for (int x = 0; x < kBoardPixels; x += 5) {
        const QPoint device(qFloor(x * scale), qFloor(y * scale));
        QCOMPARE(shown.pixelColor(device), picture.pixelColor(x, y));
      }
    }
  }

  void tabReachesTheColumnInOrder_data() {
    QTest::addColumn<bool>("editor");
    QTest::addColumn<QStringList>("order");
    QStringList options;
    for (int index = 0; index < kStageCount; ++index) {
      options << QString("Option1(%1)").arg(index);
    }
    QTest::newRow("play") << false
                          << QStringList{"Command2"} + options +
                                 QStringList{"Command5(0)", "Command5(1)", "Command5(2)",
                                             "Command5(3)", "Combo1",      "Command4",
                                             "Command6",    "Command3",    "Command7"};
    QTest::newRow("editor") << true
                            << QStringList{"Command2", "Text2"} + options +
                                   QStringList{"Text1", "Command1", "Command3", "Command9",
                                               "Command7"};
  }

  void tabReachesTheColumnInOrder() {
    QFETCH(bool, editor);
    QFETCH(QStringList, order);
    if (editor) {
      QTest::mouseClick(control<QPushButton>("Command3"), Qt::LeftButton);
    }
    testing::checkTabOrder(window.get(), order);
  }

  void spacePressesTheFocusedButton() {
    pressKey(control("Option1(3)"), Qt::Key_Space);
    QCOMPARE(window->game().currentStage(), 3);
    QVERIFY(control<QPushButton>("Option1(3)")->isChecked());
    QVERIFY(!control<QPushButton>("Option1(0)")->isChecked());
    pressKey(control("Command3"), Qt::Key_Space);
    QVERIFY(window->game().editMode());
  }

  // In reach, the key is the command's; out of reach it does nothing, where a button would have
  // moved the focus with it and the speed list changed the speed.
  void commandKeysPassTheFocusedControlBy_data() {
    QTest::addColumn<QString>("focused");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("cleared");
    QTest::newRow("stage option") << "Option1(0)" << int(Qt::Key_Right) << false;
    QTest::newRow("stage option, stage cleared") << "Option1(0)" << int(Qt::Key_Right) << true;
    QTest::newRow("speed list, stage cleared") << "Combo1" << int(Qt::Key_Down) << true;
  }

  void commandKeysPassTheFocusedControlBy() {
    QFETCH(QString, focused);
    QFETCH(int, key);
    QFETCH(bool, cleared);
    StageSet stages = initialStageSet();
    stages.stageCells[0] = testing::walledBoardWith({{2, 13, code(Tile::Player)}});
    if (!cleared) {
      stages.stageCells[0].set(12, 13, code(Tile::Star));
    }
    window->game().installStageSet(stages);
    if (cleared) {
      window->game().pressDirection(1);
      waitForTheCommit();
      QVERIFY(control("Frame7")->isVisible());
    }
    const int speed = control<QComboBox>("Combo1")->currentIndex();
    pressKey(control(qPrintable(focused)), Qt::Key(key));
    QCOMPARE(window->game().play().animating(), cleared ? 0 : 1);
    QCOMPARE(window->focusWidget()->objectName(), focused);
    QCOMPARE(window->game().currentStage(), 0);
    QCOMPARE(control<QComboBox>("Combo1")->currentIndex(), speed);
  }

  // Only the stop button lies outside the panel that covers the column; the focus comes back to
  // the button that started the playback.
  void playbackLeavesTheStopButtonInReach() {
    const TempDir dir;
    saveAReplayOfOneTurn(dir);
    pressKey(control("Command6"), Qt::Key_Space);
    QVERIFY(window->game().replayRunning());
    QCOMPARE(window->focusWidget(), control("Command8"));
    testing::checkTabOrder(window.get(), {"Command8"});
    QTRY_VERIFY_WITH_TIMEOUT(!window->game().replayRunning(), 3000);
    QCOMPARE(window->focusWidget(), control("Command6"));
    QCOMPARE(testing::focusWalk(window.get(), 2, false), QStringList({"Command3", "Command7"}));
  }
};

}  // namespace vantoki

QTEST_MAIN(vantoki::MainWindowTest)
#include "main_window_test.moc"
