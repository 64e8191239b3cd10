// The platform seam on the desktop, through Qt: message boxes, file dialogs, the About box and the
// stage operations dialog, the mouse button state, the browser and the event loop.
#pragma once

#include <QWidget>

#include <optional>

#include "dialogs/file_chooser_model.h"
#include "platform/platform.h"
#include "view/image24.h"

namespace vantoki {

// The file: address of a file as the desktop reads it: every character of its path that an
// address may not carry as it is is percent-encoded.
std::string fileAddress(const std::filesystem::path& file);

class QtPlatform : public Platform {
 public:
  // Dialogs are modal to `owner`.
  explicit QtPlatform(QWidget* owner);

  MessageAnswer showMessage(const std::string& text, const std::string& title,
                            MessageButtons buttons) override;
  std::optional<std::filesystem::path> chooseFileToOpen(const FileFilter& filter,
                                                        const DialogFolders& folders) override;
  std::optional<std::filesystem::path> chooseFileToSave(const FileFilter& filter,
                                                        const DialogFolders& folders) override;
  void showAboutBox() override;
  std::optional<StageOperationChoice> chooseStageOperation(const StageSet& stageSet) override;
  bool modalDialogOpen() override;
  bool leftMouseButtonDown() override;
  void openAddress(const std::string& address, std::function<void(bool opened)> answered) override;
  // Found from the program's folder (commands/game_folders.h).
  std::filesystem::path dataFolder() override;
  std::filesystem::path playerFolder() override;
  // The call is dropped if the owner goes first.
  void runOnUiThread(std::function<void()> call) override;

 private:
  std::optional<std::filesystem::path> chooseFile(FileChooserPurpose purpose,
                                                  const FileFilter& filter,
                                                  const DialogFolders& folders);

  QWidget* owner_;
  std::optional<Image24> miniSpriteStrip_;  // the stage previews', made when first needed
};

}  // namespace vantoki
