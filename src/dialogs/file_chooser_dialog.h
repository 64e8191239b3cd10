// The game's own modal file dialog, to open ("開く") or to save ("名前を付けて保存") a file, in
// Japanese and in the game's colours: the folder shown ("場所："), a button to go up, the places
// it offers (the player's own folder, the game's), the folder's entries
// (dialogs/folder_listing.h), the name box ("ファイル名："), the filter
// ("ファイルの種類："), and "開く" or "保存" and "キャンセル". Every entry shows, whatever bytes
// its name holds, and choosing one hands back the path with those very bytes.
//
// The dialog only forwards what the player does to FileChooserModel and shows what it says.
// Selecting a place shows its folder, and the place of the folder shown stays selected. A
// double-click on an entry chooses it; Return or the "開く" / "保存" button chooses the entry
// selected in the list while the list has the focus or while the name box shows it, and the name
// typed otherwise. A name to open with nothing behind it is said through the platform's message
// box, and the dialog stays open. exec() returns Accepted once a file is chosen, which chosenPath()
// then holds.
#pragma once

#include <QDialog>

#include <filesystem>
#include <optional>

#include "dialogs/file_chooser_model.h"
#include "platform/platform.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace vantoki {

class FileChooserDialog : public QDialog {
  Q_OBJECT

 public:
  FileChooserDialog(FileChooserPurpose purpose, const FileFilter& filter,
                    const DialogFolders& folders, Platform& platform, QWidget* parent = nullptr);

  const std::optional<std::filesystem::path>& chosenPath() const { return chosen_; }

 private:
  void showFolder();
  std::optional<int> selectedRow() const;
  void chooseFromNameOrList();
  void follow(const FileChoice& choice);

  FileChooserModel model_;
  Platform& platform_;
  std::optional<std::filesystem::path> chosen_;
  QLineEdit* folderLine_ = nullptr;
  QListWidget* placeList_ = nullptr;
  QListWidget* entryList_ = nullptr;
  QLabel* problemLine_ = nullptr;
  QLineEdit* nameBox_ = nullptr;
};

// Shows the dialog modal to `owner` and returns the path chosen; empty when cancelled.
std::optional<std::filesystem::path> runFileChooserDialog(FileChooserPurpose purpose,
                                                          const FileFilter& filter,
                                                          const DialogFolders& folders,
                                                          Platform& platform, QWidget* owner);

}  // namespace vantoki
