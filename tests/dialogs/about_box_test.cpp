// frmAbout under the offscreen platform, with a scripted desktop: where every control stands and
// what it says, that each link hands its own address to the desktop, that a help page is named
// by a file: address that leads back to the file whatever the program's folder is called, and
// that an address the desktop refuses is reported while the box stays open.
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

  // A program folder holding a help page, as an installation has it.
  void installHelpPage() {
    QFile page(programFolder->filePath("help.html"));
    QVERIFY(page.open(QIODevice::WriteOnly));
  }

  QString expectedAddress(const QString& link) {
    if (link == "Command2") {
      return QUrl::fromLocalFile(programFolder->filePath("help.html")).toString();
    }
    return link == "Label3" ? "https://vantoki.example.org/" : "mailto:vantoki@example.org";
  }

  std::unique_ptr<QTemporaryDir> programFolder;
  testing::FakePlatform platform;
  std::unique_ptr<QWidget> owner;
  AboutBox* box = nullptr;

 private slots:
  void init() {
    programFolder = std::make_unique<QTemporaryDir>();
    platform = testing::FakePlatform();
    platform.folder = programFolder->path().toStdString();
    owner = std::make_unique<QWidget>();
    owner->setGeometry(100, 80, 833, 613);
    owner->show();
    box = new AboutBox(platform, owner.get());
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box));
  }

  void cleanup() { owner.reset(); }

  void everyControlStandsWhereTheGameHadIt() {
    QCOMPARE(box->objectName(), QString("frmAbout"));
    QCOMPARE(box->windowTitle(), QString("バージョン情報"));
    QCOMPARE(box->size(), QSize(295, 220));
    QCOMPARE(box->minimumSize(), box->maximumSize());
    QVERIFY(box->isModal());
    struct Placed {
      const char* name;
      const char* parent;
      QRect geometry;
      const char* caption;
    };
    const Placed kControls[] = {{"picIcon", "frmAbout", {12, 12, 32, 32}, nullptr},
                                {"lblTitle", "frmAbout", {56, 20, 219, 15}, "Vantoki　Ver 1.2"},
                                {"Frame1", "frmAbout", {12, 68, 273, 81}, ""},
                                {"Label1", "Frame1", {12, 16, 87, 11}, "作者　："},
                                {"Label2", "Frame1", {104, 16, 103, 11}, "Vantoki チーム"},
                                {"lblDescription", "Frame1", {12, 36, 87, 11}, "ホームページ　："},
                                {"Label4", "Frame1", {12, 56, 87, 11}, "メール　："},
                                {"Command2", "frmAbout", {192, 160, 93, 21}, "ヘルプ"},
                                {"Command1", "frmAbout", {192, 188, 93, 21}, "閉じる"}};
    for (const Placed& placed : kControls) {
      QWidget* widget = control(placed.name);
      QCOMPARE(widget->parentWidget()->objectName(), QString(placed.parent));
      QCOMPARE(widget->geometry(), placed.geometry);
      QVERIFY2(widget->isVisible(), placed.name);
      if (placed.caption != nullptr) {
        const char* property = qobject_cast<QGroupBox*>(widget) ? "title" : "text";
        QCOMPARE(widget->property(property).toString(), QString(placed.caption));
      }
    }
    for (const char* name : {"Label1", "lblDescription", "Label4"}) {
      QVERIFY2(control<QLabel>(name)->alignment() & Qt::AlignRight, name);
    }
    QVERIFY(control<QLabel>("lblTitle")->font().bold());
    QCOMPARE(control<QLabel>("lblTitle")->font().pointSizeF(), 11.25);
    QCOMPARE(control<PictureBox>("picIcon")->picture(), loadWindowIcon());
  }

  // The game's box sized each link to its own address; ours are longer, so each link keeps its
  // place and height and shows its whole address inside the frame.
  void theLinksShowTheirWholeAddressInBlueUnderlined_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("text");
    QTest::newRow("web page") << "Label3" << QRect(104, 36, 75, 15)
                              << "https://vantoki.example.org/";
    QTest::newRow("mail") << "Label5" << QRect(104, 56, 59, 15) << "vantoki@example.org";
  }
  void theLinksShowTheirWholeAddressInBlueUnderlined() {
    QFETCH(QString, name);
    QFETCH(QRect, place);
    QFETCH(QString, text);
    auto* link = control<QLabel>(name);
    QCOMPARE(link->parentWidget()->objectName(), QString("Frame1"));
    QCOMPARE(link->text(), text);
    QCOMPARE(link->pos(), place.topLeft());
    QCOMPARE(link->height(), place.height());
    QVERIFY(link->width() >= place.width());
    QVERIFY(QFontMetricsF(link->font()).horizontalAdvance(text) <= link->width());
    QVERIFY(link->geometry().right() < link->parentWidget()->width());
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

  void anAddressTheDesktopRefusesIsReportedAndTheBoxStays_data() {
    eachLinkOpensItsOwnAddress_data();
  }
  void anAddressTheDesktopRefusesIsReportedAndTheBoxStays() {
    QFETCH(QString, link);
    installHelpPage();
    platform.addressesOpen = false;
    click(link);
    click(link);
    QCOMPARE(platform.openedAddresses.size(), std::size_t{2});
    QCOMPARE(platform.messages.size(), std::size_t{2});
    const testing::ShownMessage& shown = platform.messages[0];
    QCOMPARE(shown.title, std::string("エラー"));
    QCOMPARE(shown.buttons, MessageButtons::Ok);
    QVERIFY(shown.text.find(platform.openedAddresses[0]) != std::string::npos);
    QVERIFY(box->isVisible());
  }

  void aMissingHelpPageIsReportedWithoutStartingABrowser() {
    click("Command2");
    QVERIFY(platform.openedAddresses.empty());
    QCOMPARE(platform.messages.size(), std::size_t{1});
    QCOMPARE(platform.messages[0].title, std::string("エラー"));
    QVERIFY(platform.messages[0].text.find(programFolder->filePath("help.html").toStdString()) !=
            std::string::npos);
  }

  // The address must lead back to the file itself: one separator before the name, and no
  // character of the folder's name read as part of the address's own syntax.
  void theHelpAddressNamesTheFileBesideTheProgram_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("page");
    QTest::newRow("plain") << "/opt/vantoki"
                           << "/opt/vantoki/help.html";
    QTest::newRow("trailing separator") << "/opt/vantoki/"
                                        << "/opt/vantoki/help.html";
    QTest::newRow("root") << "/"
                          << "/help.html";
    QTest::newRow("doubled separators") << "/opt//vantoki//"
                                        << "/opt/vantoki/help.html";
    QTest::newRow("spaces, #, %, ? and Japanese") << "/home/遊ぶ人/my games #1/100% ?/"
                                                  << "/home/遊ぶ人/my games #1/100% ?/help.html";
    QTest::newRow("relative") << "games/vantoki"
                              << QDir::current().filePath("games/vantoki/help.html");
  }
  void theHelpAddressNamesTheFileBesideTheProgram() {
    QFETCH(QString, folder);
    QFETCH(QString, page);
    const QString address = QString::fromStdString(helpPageAddress(folder.toStdString()));
    const QUrl url(address, QUrl::StrictMode);
    QVERIFY2(url.isValid(), qPrintable(address));
    QVERIFY(url.isLocalFile());
    QCOMPARE(url.toLocalFile(), page);
    QVERIFY(url.path().endsWith("/help.html"));
    QVERIFY(!url.path().contains("//"));
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
