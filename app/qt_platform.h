// The platform seam on the desktop, through Qt: message boxes, file dialogs, the mouse button
// state and the browser.
#pragma once

#include <functional>

#include <QWidget>

#include "app/platform.h"

namespace vantoki {

class QtPlatform : public Platform {
 public:
  // Dialogs are modal to `owner`; `beforeModal` runs before each one opens, so the window shows
  // the model as it stands while the dialog waits.
  QtPlatform(QWidget* owner, std::function<void()> beforeModal);

  MessageAnswer showMessage(const std::string& text, const std::string& title,
                            MessageButtons buttons) override;
  std::optional<std::filesystem::path> chooseFileToOpen(
      const FileFilter& filter, const std::filesystem::path& initialFolder) override;
  std::optional<std::filesystem::path> chooseFileToSave(
      const FileFilter& filter, const std::filesystem::path& initialFolder) override;
  bool fileExists(const std::filesystem::path& path) override;
  bool leftMouseButtonDown() override;
  void openAddress(const std::string& address) override;
  std::filesystem::path programFolder() override;

 private:
  QWidget* owner_;
  std::function<void()> beforeModal_;
};

}  // namespace vantoki
