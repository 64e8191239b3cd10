// A platform that answers from a script and records every message, for driving the game and
// the window without a person. Calls handed to the user-interface thread wait until the test
// runs them.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace vantoki::testing {

struct ShownMessage {
  std::string text;
  std::string title;
  MessageButtons buttons;
};

struct SavedFile {
  std::filesystem::path path;
  std::size_t messagesBefore;  // how many messages had been shown when the save was told
};

class FakePlatform : public Platform {
 public:
  MessageAnswer showMessage(const std::string& text, const std::string& title,
                            MessageButtons buttons) override {
    messages.push_back({text, title, buttons});
    // Unanswered, as when the box is closed: the answer that changes nothing.
    if (buttons == MessageButtons::Ok || answers.empty()) {
      return buttons == MessageButtons::Ok            ? MessageAnswer::Ok
             : buttons == MessageButtons::YesNoCancel ? MessageAnswer::Cancel
                                                      : MessageAnswer::No;
    }
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::optional<std::filesystem::path> chooseFileToOpen(const FileFilter& filter,
                                                        const DialogFolders& folders) override {
    return choose(filter, folders);
  }
  std::optional<std::filesystem::path> chooseFileToSave(const FileFilter& filter,
                                                        const DialogFolders& folders) override {
    return choose(filter, folders);
  }
  void showAboutBox() override { ++aboutBoxesShown; }
  std::optional<StageOperationChoice> chooseStageOperation(const StageSet& stageSet) override {
    stageSetsOperatedOn.push_back(stageSet);
    if (stageOperations.empty()) {
      return std::nullopt;
    }
    const std::optional<StageOperationChoice> choice = stageOperations.front();
    stageOperations.pop_front();
    return choice;
  }
  std::optional<FileError> fileSaved(const std::filesystem::path& path) override {
    savedFiles.push_back({path, messages.size()});
    return keepFailure;
  }
  bool modalDialogOpen() override { return dialogOpen; }
  bool leftMouseButtonDown() override { return leftButtonDown; }
  void openAddress(const std::string& address, std::function<void(bool)> answered) override {
    openedAddresses.push_back(address);
    answered(addressesOpen);
  }
  std::filesystem::path dataFolder() override { return data; }
  std::filesystem::path playerFolder() override { return player; }
  void runOnUiThread(std::function<void()> call) override {
    const std::lock_guard lock(uiThread_->mutex);
    uiThread_->calls.push_back(std::move(call));
    uiThread_->handedOver.notify_all();
  }

  // Waits until another thread hands a call over, at most `timeout`, then runs every call
  // handed over so far, in order, as the event loop would. Returns how many ran.
  int runCallsHandedOver(std::chrono::milliseconds timeout = std::chrono::seconds(30)) {
    std::vector<std::function<void()>> calls;
    {
      std::unique_lock lock(uiThread_->mutex);
      uiThread_->handedOver.wait_for(lock, timeout, [this] { return !uiThread_->calls.empty(); });
      calls.swap(uiThread_->calls);
    }
    for (const std::function<void()>& call : calls) {
      call();
    }
    return static_cast<int>(calls.size());
  }

  std::vector<ShownMessage> messages;
  std::deque<MessageAnswer> answers;                       // answers to questions, in order
  std::deque<std::optional<std::filesystem::path>> files;  // dialog results; empty = cancel
  std::vector<FileFilter> dialogFilters;
  std::vector<DialogFolders> dialogFolders;
  std::vector<std::string> openedAddresses;  // asked for, whether they opened or not
  std::vector<SavedFile> savedFiles;
  std::optional<FileError> keepFailure;  // what fileSaved answers: none, every file is kept
  int aboutBoxesShown = 0;
  std::deque<std::optional<StageOperationChoice>> stageOperations;  // empty = closed
  std::vector<StageSet> stageSetsOperatedOn;
  bool addressesOpen = true;
  bool leftButtonDown = false;
  bool dialogOpen = false;
  std::filesystem::path data = "/nonexistent/vantoki";
  std::filesystem::path player;  // none, so that no test makes folders it did not ask for

 private:
  // Held apart so that the fake stays movable: tests start afresh by assigning a new one.
  struct UiThreadQueue {
    std::mutex mutex;
    std::condition_variable handedOver;
    std::vector<std::function<void()>> calls;
  };

  std::optional<std::filesystem::path> choose(const FileFilter& filter,
                                              const DialogFolders& folders) {
    dialogFilters.push_back(filter);
    dialogFolders.push_back(folders);
    if (files.empty()) {
      return std::nullopt;
    }
    std::optional<std::filesystem::path> file = files.front();
    files.pop_front();
    return file;
  }

  std::unique_ptr<UiThreadQueue> uiThread_ = std::make_unique<UiThreadQueue>();
};

}  // namespace vantoki::testing
