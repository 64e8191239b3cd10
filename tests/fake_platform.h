// A platform that answers from a script and records every message, for driving the game and
// the window without a person.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace vantoki::testing {

struct ShownMessage {
  std::string text;
  std::string title;
  MessageButtons buttons;
};

class FakePlatform : public Platform {
 public:
  MessageAnswer showMessage(const std::string& text, const std::string& title,
                            MessageButtons buttons) override {
    messages.push_back({text, title, buttons});
    if (buttons == MessageButtons::Ok || answers.empty()) {
      return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
    }
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::optional<std::filesystem::path> chooseFileToOpen(
      const FileFilter& filter, const std::filesystem::path& folder) override {
    return choose(filter, folder);
  }
  std::optional<std::filesystem::path> chooseFileToSave(
      const FileFilter& filter, const std::filesystem::path& folder) override {
    return choose(filter, folder);
  }
  bool fileExists(const std::filesystem::path& path) override {
    return std::filesystem::is_regular_file(path);
  }
  bool leftMouseButtonDown() override { return leftButtonDown; }
  bool openAddress(const std::string& address) override {
    openedAddresses.push_back(address);
    return addressesOpen;
  }
  std::filesystem::path programFolder() override { return folder; }

  std::vector<ShownMessage> messages;
  std::deque<MessageAnswer> answers;                       // Yes/No answers, in order
  std::deque<std::optional<std::filesystem::path>> files;  // dialog results; empty = cancel
  std::vector<FileFilter> dialogFilters;
  std::vector<std::filesystem::path> dialogFolders;
  std::vector<std::string> openedAddresses;  // asked for, whether they opened or not
  bool addressesOpen = true;
  bool leftButtonDown = false;
  std::filesystem::path folder = "/nonexistent/vantoki";

 private:
  std::optional<std::filesystem::path> choose(const FileFilter& filter,
                                              const std::filesystem::path& initialFolder) {
    dialogFilters.push_back(filter);
    dialogFolders.push_back(initialFolder);
    if (files.empty()) {
      return std::nullopt;
    }
    std::optional<std::filesystem::path> file = files.front();
    files.pop_front();
    return file;
  }
};

}  // namespace vantoki::testing
