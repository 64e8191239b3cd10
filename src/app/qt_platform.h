// The platform seam on the desktop, through Qt: message boxes, file dialogs, the mouse button
// state, the browser and the event loop.
#pragma once

#include <QWidget>

#include "platform/platform.h"

namespace vantoki {

class QtPlatform : public Platform {
 public:
  // Dialogs are modal to `owner`.
  explicit QtPlatform(QWidget* owner);

  MessageAnswer showMessage(const std::string& text, const std::string& title,
                            MessageButtons buttons) override;
  std::optional<std::filesystem::path> chooseFileToOpen(
      const FileFilter& filter, const std::filesystem::path& initialFolder) override;
  std::optional<std::filesystem::path> chooseFileToSave(
      const FileFilter& filter, const std::filesystem::path& initialFolder) override;
  bool fileExists(const std::filesystem::path& path) override;
  bool leftMouseButtonDown() override;
  bool openAddress(const std::string& address) override;
  std::filesystem::path programFolder() override;
  // The call is dropped if the owner goes first.
  void runOnUiThread(std::function<void()> call) override;

 private:
  QWidget* owner_;
};

}  // namespace vantoki
