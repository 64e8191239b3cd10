// Vantoki: the game's entry point.
#include <QApplication>
#include <QStyleFactory>

#include "app/main_window.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // One look on every desktop, so the window's colours show as the game chose them.
  application.setStyle(QStyleFactory::create("Fusion"));
  QFont font = application.font();
  font.setFamilies({"ＭＳ Ｐゴシック", "MS PGothic", "IPAPGothic", "IPA Pゴシック", "IPAGothic"});
  font.setPointSize(9);
  application.setFont(font);

  vantoki::MainWindow window;
  window.show();
  return application.exec();
}
