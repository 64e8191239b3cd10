// The About box under the offscreen platform, with a scripted desktop: what it shows, that each
// link hands its own address to the desktop, that a help page is named by a file: address that
// leads back to the file whatever the data folder is called, and that an address the desktop
// refuses is reported while the box stays open.
#include "dialogs/about_box.h"

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>

#include "control_lookup.h"
#include "dialogs/about_links.h"
#include "fake_platform.h"
#include "view/strip_loader.h"
#include "widgets/picture_box.h"

namespace vantoki {

class AboutBoxTest : public QObject {
  Q_OBJECT

 private:
  template <typename Control = QWidget>
  Control* control(const QString& name) {
    return testing::findControl<Control>(box, name);
  }

  void click(const QString& name, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(control(name), button);
  }

  // A data folder holding a help page, as an installation has it.
  void installHelpPage() {
    QFile page(dataFolder->filePath("help.html"));
    QVERIFY(page.open(QIODevice::WriteOnly));
  }

  QString expectedAddress(const QString& link) {
    if (link == "Command2") {
      return QUrl::fromLocalFile(dataFolder->filePath("help.html")).toString();
    }
    return link == "Label3" ? "https://vantoki.example.org/" : "mailto:vantoki@example.org";
  }

  std::unique_ptr<QTemporaryDir> dataFolder;
  testing::FakePlatform platform;
  std::unique_ptr<QWidget> owner;
  AboutBox* box = nullptr;

 private slots:
  void init() {
    dataFolder = std::make_unique<QTemporaryDir>();
    platform = testing::FakePlatform();
    platform.data = dataFolder->path().toStdString();
    owner = std::make_unique<QWidget>();
    owner->setGeometry(100, 80, 833, 613);
    owner->show();
    box = new AboutBox(platform, owner.get());
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box));
  }

  void cleanup() { owner.reset(); }

  void showsTheTitleIconAndMakerAsLaidOut() {
    QCOMPARE(box->windowTitle(), QString("バージョン情報"));
    QVERIFY(box->isModal());
    QCOMPARE(control<QLabel>("lblTitle")->text(), QString("Vantoki　Ver 1.2"));
    QVERIFY(control<QLabel>("lblTitle")->font().bold());
    QCOMPARE(control<QLabel>("lblTitle")->font().pointSizeF(), 11.25);
    for (const char* name : {"Label1", "lblDescription", "Label4"}) {
      QVERIFY2(control<QLabel>(name)->alignment() & Qt::AlignRight, name);
    }
    QCOMPARE(control<PictureBox>("picIcon")->picture(), loadWindowIcon());
  }

  // Each link shows its whole address (the layout table says where it stands).
  void theLinksShowTheirWholeAddressInBlueUnderlined_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("web page") << "Label3"
                              << "https://vantoki.example.org/";
    QTest::newRow("mail") << "Label5"
                          << "vantoki@example.org";
  }
  void theLinksShowTheirWholeAddressInBlueUnderlined() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    auto* link = control<QLabel>(name);
    QCOMPARE(link->text(), text);
    QVERIFY(QFontMetricsF(link->font()).horizontalAdvance(text) <= link->width());
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QVERIFY(link->font().underline());
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
  }

  void eachLinkOpensItsOwnAddress_data() {
    QTest::addColumn<QString>("link");
    QTest::newRow("ヘルプ") << "Command2";
    QTest::newRow("web page") << "Label3";
    QTest::newRow("mail") << "Label5";
  }
  void eachLinkOpensItsOwnAddress() {
    QFETCH(QString, link);
    installHelpPage();
    click(link, Qt::RightButton);
    QVERIFY(platform.openedAddresses.empty());

    click(link);
    QCOMPARE(platform.openedAddresses.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(platform.openedAddresses[0]), expectedAddress(link));
    QVERIFY(platform.messages.empty());
    QVERIFY(box->isVisible());
  }

  // The message names what the player knows: the help page's file, the web page, the address.
  void anAddressTheDesktopRefusesIsReportedAndTheBoxStays_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("shown");
    QTest::newRow("ヘルプ") << "Command2"
                            << "help.html";  // in the data folder
    QTest::newRow("web page") << "Label3"
                              << "https://vantoki.example.org/";
    QTest::newRow("mail") << "Label5"
                          << "vantoki@example.org";
  }
  void anAddressTheDesktopRefusesIsReportedAndTheBoxStays() {
    QFETCH(QString, link);
    QFETCH(QString, shown);
    if (link == "Command2") {
      shown = dataFolder->filePath(shown);
    }
    installHelpPage();
    platform.addressesOpen = false;
    click(link);
    click(link);
    QCOMPARE(platform.openedAddresses.size(), std::size_t{2});
    QCOMPARE(platform.messages.size(), std::size_t{2});
    const testing::ShownMessage& message = platform.messages[0];
    QCOMPARE(message.title, std::string("エラー"));
    QCOMPARE(message.buttons, MessageButtons::Ok);
    QCOMPARE(QString::fromStdString(message.text), shown + " を開けませんでした");
    QVERIFY(box->isVisible());
  }

  void aMissingHelpPageIsReportedWithoutStartingABrowser() {
    click("Command2");
    QVERIFY(platform.openedAddresses.empty());
    QCOMPARE(platform.messages.size(), std::size_t{1});
    QCOMPARE(platform.messages[0].title, std::string("エラー"));
    QVERIFY(platform.messages[0].text.find(dataFolder->filePath("help.html").toStdString()) !=
            std::string::npos);
  }

  // The address must lead back to the file itself, whatever the folder is called: no character
  // of the folder's name read as part of the address's own syntax.
  void theHelpAddressLeadsBackToThePage_data() {
    QTest::addColumn<QString>("folder");
    QTest::newRow("spaces, #, %, ? and Japanese") << "遊ぶ人/my games #1/100% ?";
    QTest::newRow("doubled and trailing separators") << "games//vantoki/";
  }
  void theHelpAddressLeadsBackToThePage() {
    QFETCH(QString, folder);
    const QString data = dataFolder->filePath(folder);
    QVERIFY(QDir().mkpath(data));
    QFile page(QDir(data).filePath("help.html"));
    QVERIFY(page.open(QIODevice::WriteOnly));
    platform.data = data.toStdString();
    click("Command2");
    QCOMPARE(platform.openedAddresses.size(), std::size_t{1});
    const QUrl url(QString::fromStdString(platform.openedAddresses[0]), QUrl::StrictMode);
    QVERIFY2(url.isValid(), qPrintable(url.errorString()));
    QVERIFY(url.isLocalFile());
    QCOMPARE(url.toLocalFile(), QDir::cleanPath(page.fileName()));
  }

  void theHelpPageIsInTheDataFolderWithOneSeparator_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("page");
    QTest::newRow("trailing separator") << "/opt/vantoki/"
                                        << "/opt/vantoki/help.html";
    QTest::newRow("root") << "/"
                          << "/help.html";
    QTest::newRow("relative") << "games/vantoki"
                              << QDir::current().filePath("games/vantoki/help.html");
  }
  void theHelpPageIsInTheDataFolderWithOneSeparator() {
    QFETCH(QString, folder);
    QFETCH(QString, page);
    QCOMPARE(QString::fromStdString(helpPagePath(folder.toStdString()).string()), page);
  }

  void theBoxOpensCentredOnItsOwnerAndCloses() {
    // Centred on its owner, give or take the rounding of an odd size.
    QVERIFY((box->frameGeometry().center() - owner->frameGeometry().center()).manhattanLength() <=
            2);
    click("Command1");
    QVERIFY(!box->isVisible());
    QCOMPARE(box->result(), int(QDialog::Rejected));
  }
};

}  // namespace vantoki

QTEST_MAIN(vantoki::AboutBoxTest)
#include "about_box_test.moc"
