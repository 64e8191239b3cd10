// The desktop's applier of the screen protocol on real widgets, built from the layout tables:
// each kind of change on each kind of control it meets, and nothing handed back as the player's
// doing.
#include "widgets/control_changes.h"

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <functional>

#include "control_lookup.h"
#include "layout/layout_table.h"
#include "view/qimage_bridge.h"
#include "widgets/controls.h"
#include "widgets/picture_box.h"

namespace vantoki {

class ControlChangesTest : public QObject {
  Q_OBJECT

 private slots:
  void eachChangeShowsOnItsControl() {
    QWidget window;
    LayoutBuilder(&window, mainWindowLayout()).buildEveryControl();
    QDialog files;
    LayoutBuilder(&files, fileChooserLayout()).buildEveryControl();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const Image24 picture(40, 40, 0x123456);
    using enum ControlChange::What;
    struct Case {
      QWidget* window;
      ControlChange change;
      std::function<bool(QWidget*)> shows;
    };
    const auto find = [](QWidget* in, const char* name) { return testing::findControl(in, name); };
    const std::vector<Case> cases = {
        {&window, switched("Frame7", Shown, true),
         [&](QWidget* in) { return find(in, "Frame7")->isVisible(); }},
        {&window, switched("Frame4", Covered, true),
         [&](QWidget* in) { return !find(in, "Frame4")->isEnabled(); }},
        {&window, switched("Text1", Locked, false),
         [&](QWidget* in) {
           auto* box = testing::findControl<QLineEdit>(in, "Text1");
           return !box->isReadOnly() && box->focusPolicy() == Qt::StrongFocus;
         }},
        {&window, switched("Option1(4)", Checked, true),
         [&](QWidget* in) {
           return testing::findControl<QPushButton>(in, "Option1(4)")->isChecked();
         }},
        {&window, captioned("Form1", "窓"), [](QWidget* in) { return in->windowTitle() == "窓"; }},
        {&window, captioned("Label5", "042"),
         [&](QWidget* in) { return testing::findControl<QLabel>(in, "Label5")->text() == "042"; }},
        {&window, captioned("Command3", "ゲームプレイ"),
         [&](QWidget* in) {
           return testing::findControl<QPushButton>(in, "Command3")->text() == "ゲームプレイ";
         }},
        {&window, captioned("Frame1", "枠"),
         [&](QWidget* in) {
           return testing::findControl<QGroupBox>(in, "Frame1")->title() == "枠";
         }},
        {&window, captioned("Text2", "集"),
         [&](QWidget* in) { return testing::findControl<QLineEdit>(in, "Text2")->text() == "集"; }},
        {&window, captioned("Combo1", "速い\n遅い\n"),
         [&](QWidget* in) {
           auto* list = testing::findControl<QComboBox>(in, "Combo1");
           return list->count() == 2 && list->itemText(1) == "遅い";
         }},
        {&window, selected("Combo1", 1),
         [&](QWidget* in) {
           return testing::findControl<QComboBox>(in, "Combo1")->currentIndex() == 1;
         }},
        {&window, pictured("Picture2", picture),
         [&](QWidget* in) {
           return testing::findControl<PictureBox>(in, "Picture2")->picture() == toQImage(picture);
         }},
        {&window, focused("Command7"),
         [&](QWidget* in) { return find(in, "Command7")->hasFocus(); }},
        {&files, captioned("entryList", "フォルダ/\nファイル\n"),
         [&](QWidget* in) {
           auto* list = testing::findControl<QListWidget>(in, "entryList");
           return list->count() == 2 && list->item(0)->text() == "フォルダ" &&
                  list->item(1)->text() == "ファイル" &&
                  list->item(0)->icon().cacheKey() != list->item(1)->icon().cacheKey();
         }},
        {&files, selected("entryList", 1),
         [&](QWidget* in) {
           return testing::findControl<QListWidget>(in, "entryList")->currentRow() == 1;
         }},
    };
    QSignalSpy speeds(testing::findControl<QComboBox>(&window, "Combo1"),
                      &QComboBox::currentIndexChanged);
    QSignalSpy entries(testing::findControl<QListWidget>(&files, "entryList"),
                       &QListWidget::currentRowChanged);
    for (const Case& test : cases) {
      applyChange(test.window, test.change);
      QVERIFY2(test.shows(test.window), test.change.control.c_str());
    }
    QCOMPARE(speeds.count(), 0);
    QCOMPARE(entries.count(), 0);
  }
};

}  // namespace vantoki

QTEST_MAIN(vantoki::ControlChangesTest)
#include "control_changes_test.moc"
