// The desktop's side of the platform seam where it touches files: a file whose name is not UTF-8
// exists as surely as any other, so loading it works and saving over it asks first.
#include "app/qt_platform.h"

#include <QTest>

#include <fstream>

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
};

}  // namespace vantoki

QTEST_MAIN(vantoki::QtPlatformTest)
#include "qt_platform_test.moc"
