// The desktop's side of the platform seam where it touches files and other programs: a file whose
// name is not UTF-8 exists as surely as any other, so loading it works and saving over it asks
// first; a file's address leads back to the file whatever its folder is called; an address counts
// as opened only when the desktop's opener found a program for it, which it may say slowly.
#include "app/qt_platform.h"

#include <QTest>
#include <QUrl>

#include <filesystem>
#include <fstream>
#include <optional>

#include "io_test_files.h"

namespace vantoki {

class QtPlatformTest : public QObject {
  Q_OBJECT

 private slots:
  void aFileExistsWhateverBytesItsNameHolds() {
    const TempDir dir;
    QWidget owner;
    QtPlatform platform(&owner);
    const std::filesystem::path shiftJis = dir / "\x83\x65\x83\x58\x83\x67.vkst";
    std::ofstream(shiftJis) << "x";
    QVERIFY(platform.fileExists(shiftJis));
    QVERIFY(!platform.fileExists(dir / "missing.vkst"));
    QVERIFY(!platform.fileExists(dir.path()));
  }

  // No character of the folder's name is read as part of the address's own syntax.
  void aFilesAddressLeadsBackToTheFile_data() {
    QTest::addColumn<QString>("folder");
    QTest::newRow("spaces, #, %, ? and Japanese") << "/遊ぶ人/my games #1/100% ?";
    QTest::newRow("doubled separators") << "/games//vantoki/";
  }
  void aFilesAddressLeadsBackToTheFile() {
    QFETCH(QString, folder);
    const QUrl url(QString::fromStdString(fileAddress(folder.toStdString() + "/help.html")),
                   QUrl::StrictMode);
    QVERIFY2(url.isValid(), qPrintable(url.errorString()));
    QVERIFY(url.isLocalFile());
    QCOMPARE(url.toLocalFile(), folder + "/help.html");
  }

  // The opener's exit status answers, however long it takes to come; the game is not held up
  // meanwhile, and an opener that runs on (the browser itself) is never taken for a failure.
  void anAddressIsOpenedOnlyWhereTheOpenerFoundAProgram_data() {
    QTest::addColumn<QString>("opener");
    QTest::addColumn<bool>("opened");
    QTest::newRow("a program took it") << "exit 0" << true;
    QTest::newRow("no program for it") << "exit 3" << false;
    QTest::newRow("no program for it, said slowly") << "sleep 0.5; exit 4" << false;
  }

  void anAddressIsOpenedOnlyWhereTheOpenerFoundAProgram() {
    QFETCH(QString, opener);
    QFETCH(bool, opened);
    const TempDir dir;
    const std::filesystem::path script = dir / "xdg-open";
    std::ofstream(script) << "#!/bin/sh\n" << opener.toStdString() << "\n";
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString(dir.path().string()) + ":" + path);
    QWidget owner;
    QtPlatform platform(&owner);
    std::optional<bool> answer;
    platform.openAddress("file:///nowhere/help.html", [&answer](bool took) { answer = took; });
    qputenv("PATH", path);
    if (opener.startsWith("sleep")) {
      QVERIFY2(!answer.has_value(), "answered while the opener runs");
    }
    QTRY_VERIFY_WITH_TIMEOUT(answer.has_value(), 5000);
    QCOMPARE(*answer, opened);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
};

}  // namespace vantoki

QTEST_MAIN(vantoki::QtPlatformTest)
#include "qt_platform_test.moc"
