#include "app/qt_platform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QProcess>
#include <QUrl>

#include <cstdlib>
#include <system_error>

#include "commands/game_folders.h"
#include "dialogs/about_box_controller.h"
#include "dialogs/about_links.h"
#include "dialogs/file_chooser_controller.h"
#include "dialogs/stage_operations_controller.h"
#include "dialogs/stage_preview.h"
#include "view/strip_loader.h"
#include "widgets/dialog_window.h"
#include "widgets/message_dialog.h"

namespace vantoki {
namespace {

constexpr int kOpenerStartMilliseconds = 2000;

}  // namespace

std::string fileAddress(const std::filesystem::path& file) {
  return QUrl::fromLocalFile(QString::fromStdString(file.string()))
      .toString(QUrl::FullyEncoded)
      .toStdString();
}

QtPlatform::QtPlatform(QWidget* owner) : owner_(owner) {}

MessageAnswer QtPlatform::showMessage(const std::string& text, const std::string& title,
                                      MessageButtons buttons) {
  return showMessageDialog(owner_, text, title, buttons);
}

std::optional<std::filesystem::path> QtPlatform::chooseFileToOpen(const FileFilter& filter,
                                                                  const DialogFolders& folders) {
  return chooseFile(FileChooserPurpose::Open, filter, folders);
}

std::optional<std::filesystem::path> QtPlatform::chooseFileToSave(const FileFilter& filter,
                                                                  const DialogFolders& folders) {
  return chooseFile(FileChooserPurpose::Save, filter, folders);
}

std::optional<std::filesystem::path> QtPlatform::chooseFile(FileChooserPurpose purpose,
                                                            const FileFilter& filter,
                                                            const DialogFolders& folders) {
  FileChooserController chooser(purpose, filter, folders, *this);
  runDialog(chooser, owner_);
  return chooser.chosen();
}

void QtPlatform::showAboutBox() {
  const std::filesystem::path page = helpPagePath(dataFolder());
  AboutBoxController about(*this, {page, fileAddress(page)});
  runDialog(about, owner_);
}

std::optional<StageOperationChoice> QtPlatform::chooseStageOperation(const StageSet& stageSet) {
  if (!miniSpriteStrip_) {
    miniSpriteStrip_ = loadScaledSpriteStrip(kMiniCellPixels);
  }
  StageOperationsController operations(stageSet, *this, *miniSpriteStrip_);
  runDialog(operations, owner_);
  return operations.chosen();
}

bool QtPlatform::modalDialogOpen() {
  return QApplication::activeModalWidget() != nullptr;
}

bool QtPlatform::leftMouseButtonDown() {
  return (QGuiApplication::mouseButtons() & Qt::LeftButton) != 0;
}

void QtPlatform::openAddress(const std::string& address,
                             std::function<void(bool opened)> answered) {
  // The desktop's opener says by its exit status whether any program took the address, where the
  // toolkit's own way only says whether the opener started. It exits once the program it chose
  // has the address, however long finding one takes, so its answer is waited for without holding
  // up the game; an opener that runs on is the program it chose, with the address. It is not
  // owned, so closing the game never closes that program, and an answer after the window has
  // gone is dropped.
  auto* opener = new QProcess;
  opener->start("xdg-open", {QString::fromStdString(address)});
  if (!opener->waitForStarted(kOpenerStartMilliseconds)) {
    delete opener;
    answered(QDesktopServices::openUrl(QUrl(QString::fromStdString(address))));
    return;
  }
  QObject::connect(opener, &QProcess::finished, owner_,
                   [answered = std::move(answered)](int exitCode, QProcess::ExitStatus status) {
                     answered(status == QProcess::NormalExit && exitCode == 0);
                   });
  QObject::connect(opener, &QProcess::finished, opener, &QObject::deleteLater);
}

std::filesystem::path QtPlatform::dataFolder() {
  // Qt takes the program's folder from the program itself, with every link resolved, so a
  // relative path from it leads where the installation put the data.
  return dataFolderFrom(QCoreApplication::applicationDirPath().toStdString(),
                        VANTOKI_DATA_FROM_PROGRAM);
}

std::filesystem::path QtPlatform::playerFolder() {
  return playerFolderFrom(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

void QtPlatform::runOnUiThread(std::function<void()> call) {
  QMetaObject::invokeMethod(owner_, std::move(call), Qt::QueuedConnection);
}

}  // namespace vantoki
