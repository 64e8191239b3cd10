// Vantoki: the game's entry point.
#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/main_window.h"
#include "widgets/application_style.h"

namespace {

std::vector<std::string_view> argumentsOf(int argc, char** argv) {
  return std::vector<std::string_view>(argv + 1, argv + argc);
}

}  // namespace

int main(int argc, char** argv) {
  using vantoki::CommandLine;
  // Answered before the application exists, so they need no display.
  const CommandLine early = vantoki::readCommandLine(argumentsOf(argc, argv));
  if (early.request == CommandLine::Request::Help) {
    std::fputs(vantoki::usageText().c_str(), stdout);
    return 0;
  }
  if (early.request == CommandLine::Request::Version) {
    std::fputs(vantoki::versionText().c_str(), stdout);
    return 0;
  }

  const auto misused = [](const CommandLine& commandLine) {
    if (commandLine.request == CommandLine::Request::Play) {
      return false;
    }
    std::fputs(vantoki::usageText().c_str(), stderr);
    return true;
  };
  // Without options, a misuse is plain before any window system is asked for.
  const std::vector<std::string_view> arguments = argumentsOf(argc, argv);
  if (std::none_of(arguments.begin(), arguments.end(),
                   [](std::string_view argument) { return argument.starts_with("-"); }) &&
      misused(early)) {
    return 2;
  }

  QApplication application(argc, argv);
  // The application has taken its own options out of argv.
  const CommandLine commandLine = vantoki::readCommandLine(argumentsOf(argc, argv));
  if (misused(commandLine)) {
    return 2;
  }
  vantoki::applyApplicationStyle(application);
  vantoki::MainWindow window;
  window.show();
  if (commandLine.stageFile) {
    window.game().loadStageDataFrom(*commandLine.stageFile);
  }
  return application.exec();
}
