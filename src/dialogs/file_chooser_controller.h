// The game's own file dialog's behaviour, object "FileChooser" (layout/layout_table.h), to open
// or to save a file, in the folder and among the places FileChooserModel keeps: the folder shown
// ("場所："), the places, and the folder's entries, a folder's line ending in "/". Choosing a place
// shows its folder and "上へ" the folder above; the type list shows every file or the filter's. An
// entry selected puts a file's name in the name box; an entry opened (a double click) is chosen.
// The choose button, which Return in the name box or the list presses, chooses the entry selected
// while the list has the focus or while the name box shows it, and the name typed otherwise. A
// name to open with nothing behind it is said in a message, and the name box takes the focus with
// its text selected. Once a file is chosen the dialog closes with its path; "キャンセル" closes it
// with none.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "dialogs/file_chooser_model.h"
#include "platform/platform.h"
#include "screen/dialog_controller.h"

namespace vantoki {

class FileChooserController : public DialogController {
 public:
  // `platform` says what cannot be opened and must outlive the controller.
  FileChooserController(FileChooserPurpose purpose, const FileFilter& filter,
                        const DialogFolders& folders, Platform& platform);

  void opened() override;
  void click(std::string_view control) override;
  void editText(std::string_view control, const std::string& text) override;
  void chooseItem(std::string_view control, int index) override;
  void openItem(std::string_view control, int index) override;
  void focusMoved(std::string_view control) override { focused_ = control; }

  // The path chosen; empty until then, and when the dialog closed without one.
  const std::optional<std::filesystem::path>& chosen() const { return chosen_; }

 private:
  void showFolder();
  void showName(const std::string& name);
  void chooseFromNameOrList();
  void follow(const FileChoice& choice);

  FileChooserModel model_;
  Platform& platform_;
  std::optional<std::filesystem::path> chosen_;
  std::optional<std::size_t> selectedEntry_;
  std::string name_;  // what the name box shows
  std::string focused_;
};

}  // namespace vantoki
