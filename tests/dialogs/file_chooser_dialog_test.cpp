// The game's file dialog on the desktop under the offscreen platform, driven as a player does
// through its real widgets: into a folder with Return and a double-click on a file whose names
// are code page 932, a missing name to open, up a folder and a cancel, and a file chosen in
// another of the places offered.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>

#include "control_lookup.h"
#include "dialogs/file_chooser_controller.h"
#include "fake_platform.h"
#include "io_test_files.h"
#include "widgets/dialog_window.h"

namespace vantoki {

// "テスト.vkst" and "フォルダ" in code page 932.
const std::string kShiftJisFile = "\x83\x65\x83\x58\x83\x67.vkst";
const std::string kShiftJisFolder = "\x83\x74\x83\x48\x83\x8b\x83\x5f";

class FileChooserDialogTest : public QObject {
  Q_OBJECT

 private:
  template <typename Control = QWidget>
  Control* control(const char* name) {
    return testing::findControl<Control>(dialog, name);
  }

  // Opens the dialog, lets the player `play` with it, and returns the path it chose. The dialog
  // must have ended by then.
  std::optional<std::filesystem::path> open(FileChooserPurpose purpose,
                                            const DialogFolders& folders,
                                            const std::function<void()>& play) {
    FileChooserController chooser(purpose, {"Vantoki　ステージデータ (*.vkst)", "*.vkst"}, folders,
                                  platform);
    QTimer::singleShot(0, this, [&] {
      dialog = QApplication::activeModalWidget();
      QVERIFY(dialog != nullptr);
      QVERIFY(QTest::qWaitForWindowActive(dialog));
      play();
      stillOpen = dialog->isVisible();
      dialog->close();
    });
    runDialog(chooser, nullptr);
    return chooser.chosen();
  }

  QListWidgetItem* entryShownAs(const QString& shown) {
    const QList<QListWidgetItem*> items =
        control<QListWidget>("entryList")->findItems(shown, Qt::MatchExactly);
    return items.size() == 1 ? items.front() : nullptr;
  }

  TempDir dir;
  testing::FakePlatform platform;
  QWidget* dialog = nullptr;
  bool stillOpen = false;  // when the player was done with it

 private slots:
  void initTestCase() {
    std::filesystem::create_directory(dir / kShiftJisFolder);
    writeBytes(dir / kShiftJisFolder / kShiftJisFile, "");
    std::filesystem::create_directories(dir / "game" / "stagedata");
    writeBytes(dir / "game" / "stagedata" / "shipped.vkst", "");
  }

  void cleanup() { platform = testing::FakePlatform(); }

  void aFileNamedInCodePage932IsChosenWithItsBytes() {
    const std::optional<std::filesystem::path> chosen =
        open(FileChooserPurpose::Open, {dir.path(), {}}, [&] {
          auto* list = control<QListWidget>("entryList");
          QListWidgetItem* folder = entryShownAs("フォルダ");
          QVERIFY(folder != nullptr);
          list->setFocus();
          list->setCurrentItem(folder);
          QTest::keyClick(list, Qt::Key_Return);
          QCOMPARE(control<QLineEdit>("folderLine")->text(),
                   QString::fromStdString(dir.path().native() + "/フォルダ"));

          QListWidgetItem* file = entryShownAs("テスト.vkst");
          QVERIFY(file != nullptr);
          const QPoint place = list->visualItemRect(file).center();
          QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place);
          QCOMPARE(control<QLineEdit>("nameBox")->text(), QString("テスト.vkst"));
          QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, place);
        });
    QVERIFY(!stillOpen);
    QVERIFY(chosen.has_value());
    QCOMPARE(chosen->native(), dir.path().native() + "/" + kShiftJisFolder + "/" + kShiftJisFile);
  }

  void aMissingNameToOpenIsSaidInJapaneseAndTheDialogStays() {
    const std::optional<std::filesystem::path> chosen =
        open(FileChooserPurpose::Open, {dir.path(), {}}, [&] {
          auto* name = control<QLineEdit>("nameBox");
          QTest::keyClicks(name, "missing.vkst");
          QTest::keyClick(name, Qt::Key_Return);
          QVERIFY(name->hasFocus());
          QCOMPARE(name->selectedText(), QString("missing.vkst"));
        });
    QCOMPARE(platform.messages.size(), size_t(1));
    QCOMPARE(platform.messages[0].text,
             std::string("ファイルが見つかりません。ファイル名を確かめてください。"));
    QCOMPARE(platform.messages[0].title, std::string("開く"));
    QVERIFY(platform.messages[0].buttons == MessageButtons::Ok);
    QVERIFY(stillOpen);
    QVERIFY(!chosen);
  }

  void aFileIsChosenInTheOtherPlace() {
    const std::filesystem::path shipped = dir / "game" / "stagedata";
    const std::optional<std::filesystem::path> chosen = open(
        FileChooserPurpose::Open,
        {dir.path(), {{"自分のフォルダー", dir.path()}, {"ゲームのフォルダー", shipped}}}, [&] {
          auto* places = control<QListWidget>("placeList");
          QCOMPARE(places->count(), 2);
          QCOMPARE(places->currentRow(), 0);
          QVERIFY(entryShownAs("shipped.vkst") == nullptr);

          QListWidgetItem* game = places->item(1);
          QCOMPARE(game->text(), QString("ゲームのフォルダー"));
          QTest::mouseClick(places->viewport(), Qt::LeftButton, {},
                            places->visualItemRect(game).center());
          QCOMPARE(control<QLineEdit>("folderLine")->text(),
                   QString::fromStdString(shipped.native()));
          QListWidgetItem* file = entryShownAs("shipped.vkst");
          QVERIFY(file != nullptr);
          auto* list = control<QListWidget>("entryList");
          const QPoint place = list->visualItemRect(file).center();
          QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place);
          QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, place);
        });
    QVERIFY(chosen.has_value());
    QCOMPARE(chosen->native(), (shipped / "shipped.vkst").native());
  }

  void cancelHandsBackNothing() {
    const std::optional<std::filesystem::path> chosen =
        open(FileChooserPurpose::Save, {dir.path(), {}}, [&] {
          QCOMPARE(dialog->windowTitle(), QString("名前を付けて保存"));
          QTest::mouseClick(control<QPushButton>("upButton"), Qt::LeftButton);
          QCOMPARE(control<QLineEdit>("folderLine")->text(),
                   QString::fromStdString(dir.path().parent_path().native()));
          QTest::keyClicks(control<QLineEdit>("nameBox"), "new.vkst");
          QTest::mouseClick(control<QPushButton>("cancelButton"), Qt::LeftButton);
        });
    QVERIFY(!stillOpen);
    QVERIFY(!chosen);
    QVERIFY(platform.messages.empty());
  }
};

}  // namespace vantoki

QTEST_MAIN(vantoki::FileChooserDialogTest)
#include "file_chooser_dialog_test.moc"
