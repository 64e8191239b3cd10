// Starts the game's main window as the game does and quits as soon as it is on screen: one run
// of this program is the game's start-up time.
#include <QApplication>
#include <QWindow>

#include "app/main_window.h"
#include "app/toolkit_start.h"
#include "widgets/application_style.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  vantoki::installToolkitTranslations(application);
  vantoki::applyApplicationStyle(application);
  vantoki::MainWindow window;
  window.show();
  while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
    QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  return 0;
}
