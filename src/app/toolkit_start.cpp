#include "app/toolkit_start.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace vantoki {
namespace {

// What the toolkit says while it starts, held back until it is known whether it could start: a
// display it cannot reach comes as a few warnings and then a fatal message, after which the
// toolkit aborts; the game says why in one line and ends first, as a program that cannot do its
// work does.
QStringList heldMessages;

void holdOrRefuse(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) {
    heldMessages.append(qFormatLogMessage(type, context, message));
    return;
  }
  std::fputs("vantoki: no display can be reached; start the game in an X11 or Wayland session\n",
             stderr);
  std::_Exit(1);
}

}  // namespace

std::unique_ptr<QApplication> startToolkit(int& argc, char** argv) {
  const QtMessageHandler toolkitHandler = qInstallMessageHandler(holdOrRefuse);
  auto application = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(toolkitHandler);
  for (const QString& message : std::exchange(heldMessages, {})) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
  }
  return application;
}

bool installToolkitTranslations(QApplication& application) {
  auto* translator = new QTranslator(&application);
  if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), "qtbase", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return QApplication::installTranslator(translator);
}

}  // namespace vantoki
