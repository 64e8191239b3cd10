// Vantoki: the game's entry point.
#include <QApplication>

#include <cstdio>
#include <memory>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/main_window.h"
#include "app/toolkit_start.h"
#include "widgets/application_style.h"

int main(int argc, char** argv) {
  using vantoki::CommandLine;
  // Read before the toolkit starts, so the answers and a misuse need no display.
  const CommandLine commandLine =
      vantoki::readCommandLine(std::vector<std::string_view>(argv + 1, argv + argc));
  switch (commandLine.request) {
    case CommandLine::Request::Help:
      std::fputs(vantoki::usageText().c_str(), stdout);
      return 0;
    case CommandLine::Request::Version:
      std::fputs(vantoki::versionText().c_str(), stdout);
      return 0;
    case CommandLine::Request::Misuse:
      std::fputs(vantoki::misuseText(commandLine.problem).c_str(), stderr);
      return 2;
    case CommandLine::Request::Play:
      break;
  }

  const std::unique_ptr<QApplication> application = vantoki::startToolkit(argc, argv);
  vantoki::installToolkitTranslations(*application);
  vantoki::applyApplicationStyle(*application);
  vantoki::MainWindow window;
  window.show();
  if (commandLine.stageFile) {
    window.game().loadStageDataFrom(*commandLine.stageFile);
  } else if (commandLine.replayFile) {
    window.game().playReplayFrom(*commandLine.replayFile);
  }
  return application->exec();
}
