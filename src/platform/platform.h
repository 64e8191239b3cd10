// The seam between the game and the desktop: everything modal or operating-system specific that
// the game asks for (message boxes, file dialogs, the game's two dialogs, the mouse, the browser),
// and the way back onto the user-interface thread. The window supplies the Qt implementation;
// tests answer from a script.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "core/stage_operations.h"
#include "core/stage_set.h"
#include "io/file_error.h"

namespace vantoki {

enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// One entry of a file dialog's filter, e.g. "Vantoki　ステージデータ (*.vkst)" and "*.vkst".
struct FileFilter {
  std::string description;
  std::string pattern;
};

// A folder a file dialog offers by name, such as the player's own folder or the game's.
struct FolderPlace {
  std::string name;
  std::filesystem::path folder;

  friend bool operator==(const FolderPlace&, const FolderPlace&) = default;
};

// Where a file dialog opens and the places it offers; the folder it opens in is one of them.
struct DialogFolders {
  std::filesystem::path initial;
  std::vector<FolderPlace> places;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // A modal message box without an icon; returns the button pressed.
  virtual MessageAnswer showMessage(const std::string& text, const std::string& title,
                                    MessageButtons buttons) = 0;
  // Modal file dialogs; an empty result means the user cancelled.
  virtual std::optional<std::filesystem::path> chooseFileToOpen(const FileFilter& filter,
                                                                const DialogFolders& folders) = 0;
  virtual std::optional<std::filesystem::path> chooseFileToSave(const FileFilter& filter,
                                                                const DialogFolders& folders) = 0;
  // The About box, modal.
  virtual void showAboutBox() = 0;
  // The stage operations dialog, modal, on the stage set as it stands: the operation the player
  // confirmed, or empty when the dialog was closed without one. The stage set is not changed.
  virtual std::optional<StageOperationChoice> chooseStageOperation(const StageSet& stageSet) = 0;
  // By the path's own bytes, the same for every desktop: a name that is not UTF-8 exists as surely
  // as any other. A folder of that name is not a file.
  bool fileExists(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
  }
  // A save has written `path` in full, the path the save dialog's answer led to; told before the
  // message that says so. The desktop leaves the file where it is, so only a platform that hands
  // saved files on or keeps them somewhere of its own (the page: a download, and the browser's
  // storage) has anything to do; an error means the file was not kept, and the save failed.
  virtual std::optional<FileError> fileSaved([[maybe_unused]] const std::filesystem::path& path) {
    return std::nullopt;
  }
  // How `path` shows to the player in a message: the full path where the player's files are the
  // system's own, as on the desktop; a platform whose paths are its own inner workings shows the
  // name the player picked.
  virtual std::string shownPath(const std::filesystem::path& path) { return path.string(); }
  // Whether a modal dialog or message box is open now, which a message of the game's own would
  // cover and take the keyboard from.
  virtual bool modalDialogOpen() = 0;
  // Whether the left mouse button is down at this moment, wherever the pointer is.
  virtual bool leftMouseButtonDown() = 0;
  // Opens a web or file: address in the browser or a mailto: address in the mail program, and
  // tells `answered`, on the user-interface thread, whether the desktop handed it to a program:
  // at once, or once the desktop knows. A program that keeps running with the address has it;
  // no answer comes while it runs.
  virtual void openAddress(const std::string& address,
                           std::function<void(bool opened)> answered) = 0;
  // The folder of the shipped stage sets (stagedata/), their replays (replaydata/) and the help
  // page, wherever the game is installed.
  virtual std::filesystem::path dataFolder() = 0;
  // The player's own folder for the game's files, $XDG_DATA_HOME/vantoki, which may not exist
  // yet; empty when the machine names no home for the player.
  virtual std::filesystem::path playerFolder() = 0;
  // Runs `call` on the user-interface thread once the events before it are handled. Callable
  // from any thread: work done on another one hands its result back this way.
  virtual void runOnUiThread(std::function<void()> call) = 0;
};

}  // namespace vantoki
