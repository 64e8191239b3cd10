// The least a Qt program showing a window of the game's size does: start, show an empty window,
// quit as soon as it is on screen. The yardstick for the game's start-up time.
#include <QApplication>
#include <QWidget>
#include <QWindow>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setFixedSize(833, 613);
  window.show();
  while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
    QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  return 0;
}
