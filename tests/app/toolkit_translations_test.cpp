// The toolkit's own words in Japanese whatever the machine's locale: the translations the game
// loads at start-up, under a locale that would pick English.
#include <QApplication>
#include <QTest>

#include "app/toolkit_start.h"

namespace vantoki {

class ToolkitTranslationsTest : public QObject {
  Q_OBJECT

 private slots:
  void theToolkitsWordsAreJapanese() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(QCoreApplication::translate("QLineEdit", "&Undo"), QString("&Undo"));
    QVERIFY(installToolkitTranslations(*qApp));
    QCOMPARE(QCoreApplication::translate("QLineEdit", "&Undo"), QString("元に戻す(&U)"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("キャンセル"));
  }
};

}  // namespace vantoki

QTEST_MAIN(vantoki::ToolkitTranslationsTest)
#include "toolkit_translations_test.moc"
