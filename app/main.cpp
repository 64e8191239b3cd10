// Vantoki: the game's entry point.
#include <QApplication>

#include "app/main_window.h"
#include "widgets/application_style.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  vantoki::applyApplicationStyle(application);
  vantoki::MainWindow window;
  window.show();
  return application.exec();
}
