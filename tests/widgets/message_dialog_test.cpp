// The game's message box under the offscreen platform: its Japanese buttons and what each
// answers, no icon, and a long failure message shown on one line rather than broken inside a
// word.
#include "widgets/message_dialog.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace vantoki {

class MessageDialogTest : public QObject {
  Q_OBJECT

 private:
  // Shows the message and, once it is open, looks at it and presses the button captioned
  // `press` (or the key `key` when no caption is given).
  MessageAnswer answer(const std::string& text, MessageButtons buttons, const QString& press,
                       const std::function<void(QDialog&)>& look = {}) {
    QTimer::singleShot(0, this, [&] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog != nullptr);
      if (look) {
        look(*dialog);
      }
      if (press.isEmpty()) {
        QTest::keyClick(dialog, Qt::Key_Escape);
        return;
      }
      for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button->text() == press) {
          button->click();
        }
      }
    });
    return showMessageDialog(nullptr, text, "確認", buttons);
  }

 private slots:
  void buttonsAreJapaneseAndAnswerAsCaptioned() {
    const auto captions = [](QDialog& dialog) {
      QStringList texts;
      for (const QPushButton* button : dialog.findChildren<QPushButton*>()) {
        texts << button->text();
      }
      return texts;
    };
    QStringList yesNo;
    QCOMPARE(answer("上書きしますか？", MessageButtons::YesNo, "いいえ",
                    [&](QDialog& dialog) { yesNo = captions(dialog); }),
             MessageAnswer::No);
    QCOMPARE(yesNo, (QStringList{"はい", "いいえ"}));
    QCOMPARE(answer("上書きしますか？", MessageButtons::YesNo, "はい"), MessageAnswer::Yes);
    QCOMPARE(answer("上書きしますか？", MessageButtons::YesNo, ""), MessageAnswer::No);
    QStringList ok;
    QCOMPARE(answer("完了しました", MessageButtons::Ok, "OK",
                    [&](QDialog& dialog) { ok = captions(dialog); }),
             MessageAnswer::Ok);
    QCOMPARE(ok, QStringList{"OK"});
    QStringList yesNoCancel;
    QCOMPARE(answer("保存しますか？", MessageButtons::YesNoCancel, "いいえ",
                    [&](QDialog& dialog) { yesNoCancel = captions(dialog); }),
             MessageAnswer::No);
    QCOMPARE(yesNoCancel, (QStringList{"はい", "いいえ", "キャンセル"}));
    QCOMPARE(answer("保存しますか？", MessageButtons::YesNoCancel, "はい"), MessageAnswer::Yes);
    QCOMPARE(answer("保存しますか？", MessageButtons::YesNoCancel, "キャンセル"),
             MessageAnswer::Cancel);
    QCOMPARE(answer("保存しますか？", MessageButtons::YesNoCancel, ""), MessageAnswer::Cancel);
  }

  void aLongFailureStaysOnItsLineWithoutAnIcon() {
    // Wider than a toolkit message box lets a line be before it wraps.
    const std::string first =
        "原因不明のエラーで、/home/player/練習セット.vkstをデータロードできませんでした";
    answer(first + "\n読み込みが許可されていません", MessageButtons::Ok, "OK",
           [&](QDialog& dialog) {
             const auto labels = dialog.findChildren<QLabel*>();
             QCOMPARE(labels.size(), 1);
             QVERIFY(labels.front()->pixmap().isNull());
             QVERIFY(!labels.front()->wordWrap());
             const QFontMetrics metrics(labels.front()->font());
             QVERIFY(labels.front()->width() >=
                     metrics.horizontalAdvance(QString::fromStdString(first)));
           });
  }
};

}  // namespace vantoki

QTEST_MAIN(vantoki::MessageDialogTest)
#include "message_dialog_test.moc"
