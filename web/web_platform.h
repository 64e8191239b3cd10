// The page's side of the platform seam. Every modal thing (a message, a file dialog, the About box,
// the stage operations dialog) is a dialog of the page that the game waits for: the call suspends
// the WebAssembly stack until the player answers, while the browser goes on drawing. While it
// waits the page calls the game for nothing but the 50 ms tick, as the desktop's timer goes on
// under a modal dialog, so a move animates to its end behind it; nothing the player does behind
// a dialog reaches the game. A message a tick opens then shows without a wait (showMessage).
//
// Files live in the module's file system: the shipped stage sets and replays in the data folder,
// which the page cannot change; a file the player picks on the computer in a folder of its own;
// and what the player saves in the player's folder, kept in the browser's storage, which the page
// script reads in before the game starts and again before each open dialog lists the folder (so
// another tab's saves are found), and from which the open dialog can delete a kept file. A name the page cannot keep is refused in the save
// dialog, for its cause. The save names the file it finished (fileSaved), which is then handed to
// the browser as a download, with exactly the bytes written, and written back to the browser's
// storage before the message that says how the save went. Messages name a file as the open
// dialog lists it, never by the module's paths.
#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "platform/platform.h"
#include "screen/dialog_controller.h"
#include "view/image24.h"

namespace vantoki {

// The player's folder, which the page script fills from the browser's storage, and the folder it
// puts a file in that the player picks on the computer.
inline constexpr const char* kPlayerFolder = "/player";
inline constexpr const char* kPickedFolder = "/picked";

class WebPlatform : public Platform {
 public:
  // `miniStrip` is the sprite strip shrunk for the stage operations dialog's previews; it must
  // outlive the platform.
  explicit WebPlatform(const Image24& miniStrip);

  MessageAnswer showMessage(const std::string& text, const std::string& title,
                            MessageButtons buttons) override;
  std::optional<std::filesystem::path> chooseFileToOpen(const FileFilter& filter,
                                                        const DialogFolders& folders) override;
  std::optional<std::filesystem::path> chooseFileToSave(const FileFilter& filter,
                                                        const DialogFolders& folders) override;
  void showAboutBox() override;
  std::optional<StageOperationChoice> chooseStageOperation(const StageSet& stageSet) override;
  // Hands the file to the browser as a download and keeps it in the browser's storage.
  std::optional<FileError> fileSaved(const std::filesystem::path& path) override;
  // By its name within the place it lies in: the player's folder or the game's of its kind, or
  // the folder of the files picked on the computer. A path elsewhere, a name the save dialog
  // refused, shows as it is.
  std::string shownPath(const std::filesystem::path& path) override;
  bool modalDialogOpen() override { return dialogsOpen_ > 0; }
  bool leftMouseButtonDown() override;
  void openAddress(const std::string& address, std::function<void(bool opened)> answered) override;
  // The built-in stage sets, their replays and the help page: the game's place, which saves never
  // change.
  std::filesystem::path dataFolder() override;
  std::filesystem::path playerFolder() override { return kPlayerFolder; }
  void runOnUiThread(std::function<void()> call) override;

  // Runs the calls handed over since the last time, in order; the page calls it between events.
  void runHandedOverCalls();
  // Called whenever a dialog takes the keyboard: a key released meanwhile never reaches the game.
  void onKeyboardTaken(std::function<void()> taken) { keyboardTaken_ = std::move(taken); }

 private:
  // A dialog of the game's own (the About box, stage operations) as a page dialog built from its
  // controller's layout table, until the controller closes it or the player does.
  void runDialog(DialogController& controller);
  // Asks first, then takes the file out of the browser's storage and the player's folder; says
  // why when the browser refuses.
  void deleteKeptFile(const std::filesystem::path& path);

  // Counts the page dialogs open while one is waited for.
  class DialogScope {
   public:
    explicit DialogScope(WebPlatform& platform) : platform_(platform) { ++platform_.dialogsOpen_; }
    ~DialogScope() { --platform_.dialogsOpen_; }
    DialogScope(const DialogScope&) = delete;
    DialogScope& operator=(const DialogScope&) = delete;

   private:
    WebPlatform& platform_;
  };

  // The result of `wait`, a call that suspends the stack until the page answers; meanwhile the
  // only calls into the game are ticks, which find stackWaits_ set.
  template <typename Wait>
  auto awaitPage(Wait wait) {
    setStackWaits(true);
    const auto answer = wait();
    setStackWaits(false);
    return answer;
  }
  // Tells the page too, which calls nothing but the tick while the stack waits.
  void setStackWaits(bool waits);

  const Image24& miniStrip_;
  int dialogsOpen_ = 0;
  bool stackWaits_ = false;
  std::deque<std::function<void()>> handedOver_;
  std::function<void()> keyboardTaken_;
};

}  // namespace vantoki
